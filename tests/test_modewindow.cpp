// The game mode window, opened from the main window, and the Help menu's documents.
#include "testsupport.h"

#include "modewindow/modefrm.h"
#include "platform/windows.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <optional>

using namespace trivolo;
using namespace trivolo::test;

namespace {

// A mouse move over the background, in its coordinates, and where the window then is relative to where it opened.
struct Move { QPointF at; Qt::MouseButtons buttons; QPoint shift; };

// The open mode window, or null.
modefrm* mode_window()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<modefrm*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

modefrm* open_mode_window(TestApp& app)
{
    trigger(app.window(), "gmode");
    return mode_window();
}

void move_over_background(modefrm* window, QPointF local, Qt::MouseButtons buttons)
{
    QWidget* background = child(window, "Picture1");
    const QPointF global = QPointF(window->pos()) + QPointF(background->pos()) + local;
    QMouseEvent event(QEvent::MouseMove, local, global, Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(background, &event);
}

// The mode file, whether the computer option is then preselected, the option clicked (if any), how
// the window is left ("play", "quit", "close" otherwise, "refused": Play on a full disk) and the file afterwards.
struct Leaving { QByteArray stored; bool computer; QString option, leave; QByteArray written; };

// A press on a control after resting over it or over the background, two pointer moves from the
// pressed point and where the window is after each.
struct Pull { QString grab; bool rest_on_grab; QPoint first, first_shift, second, second_shift; };

}  // namespace

Q_DECLARE_METATYPE(QList<Move>)
Q_DECLARE_METATYPE(Leaving)
Q_DECLARE_METATYPE(Pull)

class TestModeWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup()
    {
        // A failed test must not leave a window that disables the next test's main window.
        delete mode_window();
        TestApp::settle();
    }

    void window_looks_and_starts_on_the_background();
    void refused_while_a_game_runs();
    void preselects_and_stores_only_what_play_confirms_data();
    void preselects_and_stores_only_what_play_confirms();
    void drag_keeps_the_grabbed_point_under_the_pointer_data();
    void drag_keeps_the_grabbed_point_under_the_pointer();
    void real_drag_moves_only_from_the_background_data();
    void real_drag_moves_only_from_the_background();
    void help_commands_open_one_document_data();
    void help_commands_open_one_document();
};

void TestModeWindow::window_looks_and_starts_on_the_background()
{
    TestApp app({{"/mode.txt", QByteArray("1\r\n")}});
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = window->screen()->geometry();
    QVERIFY(qAbs(window->x() - (screen.width() - 470) / 2) <= 1);
    QVERIFY(qAbs(window->y() - (screen.height() - 191) / 2) <= 1);

    const QPalette theme = QGuiApplication::palette();
    QCOMPARE(child(window, "Picture1")->palette().color(QPalette::Window), desktop_colour(theme));
    QVERIFY(!child(window, "Label1")->autoFillBackground());  // captions lie on the background
    // The desktop colour of the background does not leak onto the command buttons.
    for (const char* button : {"play", "quit"})
        QCOMPARE(child(window, button)->palette().color(QPalette::Button), theme.color(QPalette::Button));

    // No stray key presses a button: the background holds the focus first, Quit comes before Play.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 2; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"Picture1", "quit", "play"}));
}

void TestModeWindow::refused_while_a_game_runs()
{
    TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
    trigger(app.window(), "ngame");
    app.boxes.shown.clear();
    trigger(app.window(), "gmode");

    QVERIFY(!mode_window());
    QCOMPARE(app.boxes.shown, (QList<ShownBox>{{"First Quit This Game, Then Change Mode", int(OkInformation),
                                                "Cannot Change Game Mode Now."}}));
    QVERIFY(app.window()->isEnabled());
    QCOMPARE(MainWindowProbe::gamestate(*app.window()), 1);
}

void TestModeWindow::preselects_and_stores_only_what_play_confirms_data()
{
    QTest::addColumn<Leaving>("row");

    const QByteArray computer("0\r\n"), two("1\r\n"), extra("1\r\nextra\r\n");
    QTest::newRow("0") << Leaving{computer, true, "", "play", computer};
    QTest::newRow("0 without line end") << Leaving{"0", true, "", "play", computer};
    QTest::newRow("1") << Leaving{two, false, "", "play", two};
    QTest::newRow("2") << Leaving{"2\r\n", false, "", "play", two};
    QTest::newRow("0 with a blank") << Leaving{"0 \r\n", false, "", "play", two};
    QTest::newRow("other text") << Leaving{"computer\r\n", false, "", "play", two};
    QTest::newRow("empty") << Leaving{"", false, "", "play", two};
    QTest::newRow("other lines dropped") << Leaving{"x\r\nmore\r\n", false, "Option2", "play", two};
    QTest::newRow("to two players") << Leaving{computer, true, "Option2", "play", two};
    QTest::newRow("to computer") << Leaving{two, false, "Option1", "play", computer};
    QTest::newRow("quit after a change") << Leaving{extra, false, "Option1", "quit", extra};
    QTest::newRow("closed after a change") << Leaving{extra, false, "Option1", "close", extra};
    QTest::newRow("write refused") << Leaving{computer, true, "Option2", "refused", computer};
}

void TestModeWindow::preselects_and_stores_only_what_play_confirms()
{
    QFETCH(Leaving, row);
    const auto& [stored, computer, option, leave, written] = row;

    TestApp app({{"/mode.txt", stored}});
    QPointer<main> old_window = app.window();
    QSignalSpy reloads(&app.owner, &MainWindowOwner::reloaded);
    QPointer<modefrm> window = open_mode_window(app);
    QVERIFY(window);
    QCOMPARE(child<QRadioButton>(window, "Option1")->isChecked(), computer);
    QCOMPARE(child<QRadioButton>(window, "Option2")->isChecked(), !computer);
    QVERIFY(!old_window->isEnabled());

    if (!option.isEmpty())
        QTest::mouseClick(child(window, qPrintable(option)), Qt::LeftButton);
    if (leave == "close") {
        QVERIFY(window->close());
    } else {
        std::optional<RefusedWrites> full_disk;
        if (leave == "refused")
            full_disk.emplace();
        QTest::mouseClick(child(window, leave == "quit" ? "quit" : "play"), Qt::LeftButton);
    }
    TestApp::settle();

    QCOMPARE(app.folder.read("/mode.txt"), written);
    QVERIFY(!window);
    QVERIFY(!old_window);
    QCOMPARE(reloads.size(), 1);
    QVERIFY(app.window()->isVisible() && app.window()->isEnabled());
    QCOMPARE(child<QLabel>(app.window(), "modeshow")->text(), "Player1");
    // The new main window plays the mode the file now holds.
    QCOMPARE(child<QLabel>(app.window(), "modeshow1")->text(), written == "0\r\n" ? "Computer" : "Player2");
    QCOMPARE(MainWindowProbe::gamestate(*app.window()), 0);
    QCOMPARE(app.boxes.shown.size(), leave == "refused" ? 1 : 0);
    if (leave == "refused") {  // the file name, then the reason
        const QString prompt = app.boxes.shown[0].prompt;
        QVERIFY2(prompt.contains(app.folder.file("/mode.txt")) && prompt.contains(':'), qPrintable(prompt));
    }
}

void TestModeWindow::drag_keeps_the_grabbed_point_under_the_pointer_data()
{
    QTest::addColumn<QList<Move>>("moves");

    const Qt::MouseButtons none = Qt::NoButton, left = Qt::LeftButton;
    const auto drag = [&](QPointF rest, QPointF to, QPoint shift) {
        return QList<Move>{{rest, none, {}}, {to, left, shift}};
    };
    QTest::newRow("whole pixels") << drag({100, 50}, {110, 57}, {10, 7});
    QTest::newRow("backwards") << drag({200, 100}, {150, 80}, {-50, -20});
    QTest::newRow("no movement") << drag({30, 40}, {30, 40}, {});
    QTest::newRow("halves round down to even") << drag({10.5, 20.5}, {15, 25}, {5, 5});
    QTest::newRow("halves round up to even") << drag({11.5, 21.5}, {15, 25}, {3, 3});
    QTest::newRow("nearest otherwise") << drag({30.4, 40.6}, {40, 50}, {10, 9});
    QTest::newRow("outside the window") << drag({100, 50}, {-400, 600}, {-500, 550});
    // Other buttons neither move the window nor take a new grab point; nor does a drag step.
    QTest::newRow("grab point only without a button")
        << QList<Move>{{{100, 50}, none, {}}, {{300, 120}, Qt::RightButton, {}},
                       {{300, 120}, Qt::LeftButton | Qt::RightButton, {}}, {{300, 120}, Qt::MiddleButton, {}},
                       {{110, 50}, left, {10, 0}}, {{120, 60}, left, {30, 10}},
                       {{20, 30}, none, {30, 10}}, {{25, 30}, left, {35, 10}}};
}

void TestModeWindow::drag_keeps_the_grabbed_point_under_the_pointer()
{
    QFETCH(QList<Move>, moves);

    TestApp app;
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    const QPoint start = window->pos();
    for (const Move& move : moves) {
        move_over_background(window, move.at, move.buttons);
        QCOMPARE(window->pos(), start + move.shift);
    }
}

void TestModeWindow::real_drag_moves_only_from_the_background_data()
{
    QTest::addColumn<Pull>("row");

    // The captions do not take the pointer from the background; positions are in the window's
    // coordinates, so once it has followed the pointer the pointer is over the grabbed point again.
    QTest::newRow("caption") << Pull{"Label7", true, {40, 25}, {40, 25}, {-10, 5}, {30, 30}};
    // Pulled off a button: neither a drag nor a press.
    for (const char* control : {"play", "quit", "Option2"})
        QTest::newRow(control) << Pull{control, false, {0, 60}, {}, {30, 70}, {}};
}

void TestModeWindow::real_drag_moves_only_from_the_background()
{
    QFETCH(Pull, row);
    const auto& [grab, rest_on_grab, first, first_shift, second, second_shift] = row;

    TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint start = window->pos();
    QWindow* handle = window->windowHandle();
    const QPoint pressed = child(window, qPrintable(grab))->geometry().center() + child(window, "Picture1")->pos();

    QTest::mouseMove(handle, rest_on_grab ? pressed : QPoint(250, 70));
    QTest::mousePress(handle, Qt::LeftButton, {}, pressed);
    QTest::mouseMove(handle, pressed + first);
    QCOMPARE(window->pos(), start + first_shift);
    QTest::mouseMove(handle, pressed + second);
    QCOMPARE(window->pos(), start + second_shift);
    // Released where the pointer now is, in the window's coordinates.
    QTest::mouseRelease(handle, Qt::LeftButton, {}, pressed + second + first_shift - second_shift);

    QCOMPARE(window->pos(), start + second_shift);
    QCOMPARE(mode_window(), window);
    QCOMPARE(app.folder.read("/mode.txt"), QByteArray("0\r\n"));
}

void TestModeWindow::help_commands_open_one_document_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("during_game");

    for (const bool game : {false, true}) {
        QTest::addRow("Guide%s", game ? " in a game" : "") << "Guide" << "/Help.CHM" << game;
        QTest::addRow("Read Me%s", game ? " in a game" : "") << "readme" << "/README.txt" << game;
    }
}

void TestModeWindow::help_commands_open_one_document()
{
    QFETCH(QString, command);
    QFETCH(QString, document);
    QFETCH(bool, during_game);

    TestApp app({{"/mode.txt", "1\r\n"}, {"/sound.txt", "true\r\n"}});
    main* window = app.window();
    if (during_game) {
        trigger(window, "ngame");
        click_cell(window, 5);
    }
    // Everything a command could change: files, labels, game state, sounds and boxes.
    const auto snapshot = [&] {
        QStringList state;
        for (const char* file : {"/sound.txt", "/mode.txt", "/playerimg.txt", "/menu.txt"})
            state << QString::fromLatin1(app.folder.read(QString::fromLatin1(file)).toHex());
        for (QLabel* label : window->findChildren<QLabel*>())
            state << label->objectName() + "=" + label->text() + (label->isVisibleTo(window) ? "" : " hidden")
                    + (label->pixmap().isNull() ? "" : " picture");
        state << QString::number(MainWindowProbe::gamestate(*window)) << QString::number(MainWindowProbe::turn(*window))
              << MainWindowProbe::p1moves(*window) << MainWindowProbe::p2moves(*window)
              << QString::number(app.sound.played.size()) << QString::number(app.boxes.shown.size());
        for (int cell = 1; cell <= 9; ++cell)
            state << (MainWindowProbe::free(*window, cell) ? "free" : "taken");
        return state;
    };
    const QStringList before = snapshot();

    trigger(window, qPrintable(command));

    QCOMPARE(app.documents.opened, QStringList{app.folder.file(document)});
    QCOMPARE(app.window(), window);
    QVERIFY(window->isEnabled());
    QCOMPARE(snapshot(), before);
}

QTEST_MAIN(TestModeWindow)
#include "test_modewindow.moc"
