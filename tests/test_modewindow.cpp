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

using namespace trivolo;
using namespace trivolo::test;

namespace {

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

// A mouse move over the window's background, `local` in the background's coordinates.
void move_over_background(modefrm* window, QPointF local, Qt::MouseButtons buttons)
{
    QWidget* background = child(window, "Picture1");
    const QPointF global = QPointF(window->pos()) + QPointF(background->pos()) + local;
    QMouseEvent event(QEvent::MouseMove, local, global, Qt::NoButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(background, &event);
}

QString second_side(const TestApp& app)
{
    return child<QLabel>(app.window(), "modeshow1")->text();
}

}  // namespace

class TestModeWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup();

    void window_is_borderless_and_coloured();
    void keyboard_starts_on_the_background();
    void opening_preselects_the_stored_mode_data();
    void opening_preselects_the_stored_mode();
    void refused_while_a_game_runs();
    void play_stores_the_choice_data();
    void play_stores_the_choice();
    void leaving_without_play_keeps_the_stored_mode_data();
    void leaving_without_play_keeps_the_stored_mode();
    void refused_write_at_play_hands_back();
    void drag_keeps_the_grabbed_point_under_the_pointer_data();
    void drag_keeps_the_grabbed_point_under_the_pointer();
    void grab_point_is_taken_only_without_a_button();
    void real_drag_over_a_caption_moves_the_window();
    void pulling_off_a_button_does_not_drag_data();
    void pulling_off_a_button_does_not_drag();

    void help_commands_open_one_document_data();
    void help_commands_open_one_document();
};

void TestModeWindow::cleanup()
{
    // A failed test must not leave a window that disables the next test's main window.
    delete mode_window();
    TestApp::settle();
}

void TestModeWindow::window_is_borderless_and_coloured()
{
    TestApp app;
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->size(), QSize(470, 191));
    QCOMPARE(child(window, "Picture1")->geometry(), QRect(-16, -8, 513, 241));

    const QPalette theme = QGuiApplication::palette();
    const auto colour = [&](const char* name, QPalette::ColorRole role) {
        return child(window, name)->palette().color(role);
    };
    QCOMPARE(colour("Picture1", QPalette::Window), desktop_colour(theme));
    QCOMPARE(colour("Option1", QPalette::Window), desktop_colour(theme));
    QCOMPARE(colour("Label1", QPalette::WindowText), theme.color(QPalette::HighlightedText));
    QCOMPARE(colour("Label5", QPalette::WindowText), theme.color(QPalette::WindowText));
    QCOMPARE(colour("Label7", QPalette::WindowText), theme.color(QPalette::Highlight));
    QVERIFY(!child(window, "Label1")->autoFillBackground());  // captions lie on the background
    // The desktop colour of the background does not leak onto the command buttons.
    QCOMPARE(colour("play", QPalette::Button), theme.color(QPalette::Button));
    QCOMPARE(colour("quit", QPalette::Button), theme.color(QPalette::Button));
    QCOMPARE(child(window, "Label2")->font().pointSizeF(), 26.25);
    QCOMPARE(child(window, "quit")->font().pointSizeF(), 13.5);
}

void TestModeWindow::keyboard_starts_on_the_background()
{
    TestApp app({{"/mode.txt", QByteArray("1\r\n")}});
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // Nothing is pressed by a stray key: the background holds the focus first, and Quit
    // comes before Play.
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 2; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"Picture1", "quit", "play"}));
}

void TestModeWindow::opening_preselects_the_stored_mode_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("computer");

    QTest::newRow("0") << QByteArray("0\r\n") << true;
    QTest::newRow("0 without line end") << QByteArray("0") << true;
    QTest::newRow("1") << QByteArray("1\r\n") << false;
    QTest::newRow("2") << QByteArray("2\r\n") << false;
    QTest::newRow("0 with a blank") << QByteArray("0 \r\n") << false;
    QTest::newRow("other text") << QByteArray("computer\r\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestModeWindow::opening_preselects_the_stored_mode()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, computer);

    TestApp app({{"/mode.txt", stored}});
    main* main_window = app.window();
    modefrm* window = open_mode_window(app);
    QVERIFY(window);

    QCOMPARE(child<QRadioButton>(window, "Option1")->isChecked(), computer);
    QCOMPARE(child<QRadioButton>(window, "Option2")->isChecked(), !computer);
    QVERIFY(!main_window->isEnabled());
    QVERIFY(app.boxes.shown.isEmpty());
    const QRect screen = window->screen()->geometry();
    QVERIFY(qAbs(window->x() - (screen.width() - 470) / 2) <= 1);
    QVERIFY(qAbs(window->y() - (screen.height() - 191) / 2) <= 1);
    QCOMPARE(app.folder.read("/mode.txt"), stored);
}

void TestModeWindow::refused_while_a_game_runs()
{
    TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
    trigger(app.window(), "ngame");
    app.boxes.shown.clear();
    trigger(app.window(), "gmode");

    QVERIFY(!mode_window());
    QCOMPARE(app.boxes.shown.size(), 1);
    QCOMPARE(app.boxes.shown[0].prompt, "First Quit This Game, Then Change Mode");
    QCOMPARE(app.boxes.shown[0].title, "Cannot Change Game Mode Now.");
    QCOMPARE(app.boxes.shown[0].buttons, int(OkInformation));
    QVERIFY(app.window()->isEnabled());
    QCOMPARE(MainWindowProbe::gamestate(*app.window()), 1);
}

void TestModeWindow::play_stores_the_choice_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("side");

    QTest::newRow("computer kept") << QByteArray("0\r\n") << "Option1" << QByteArray("0\r\n") << "Computer";
    QTest::newRow("to two players") << QByteArray("0\r\n") << "Option2" << QByteArray("1\r\n") << "Player2";
    QTest::newRow("to computer") << QByteArray("1\r\n") << "Option1" << QByteArray("0\r\n") << "Computer";
    QTest::newRow("other text to two players") << QByteArray("x\r\nmore\r\n") << "Option2" << QByteArray("1\r\n")
                                               << "Player2";
}

void TestModeWindow::play_stores_the_choice()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, option);
    QFETCH(QByteArray, written);
    QFETCH(QString, side);

    TestApp app({{"/mode.txt", stored}});
    QPointer<main> old_window = app.window();
    QSignalSpy reloads(&app.owner, &MainWindowOwner::reloaded);
    QPointer<modefrm> window = open_mode_window(app);
    QVERIFY(window);

    QTest::mouseClick(child(window, qPrintable(option)), Qt::LeftButton);
    QTest::mouseClick(child(window, "play"), Qt::LeftButton);
    TestApp::settle();

    QCOMPARE(app.folder.read("/mode.txt"), written);
    QVERIFY(!window);
    QVERIFY(!old_window);
    QCOMPARE(reloads.size(), 1);
    QVERIFY(app.window()->isVisible());
    QVERIFY(app.window()->isEnabled());
    QCOMPARE(child<QLabel>(app.window(), "modeshow")->text(), "Player1");
    QCOMPARE(second_side(app), side);
    QCOMPARE(MainWindowProbe::gamestate(*app.window()), 0);
    QVERIFY(app.boxes.shown.isEmpty());
}

void TestModeWindow::leaving_without_play_keeps_the_stored_mode_data()
{
    QTest::addColumn<bool>("by_quit");  // else closed by the window manager
    QTest::newRow("quit") << true;
    QTest::newRow("closed otherwise") << false;
}

void TestModeWindow::leaving_without_play_keeps_the_stored_mode()
{
    QFETCH(bool, by_quit);

    const QByteArray stored("1\r\nextra\r\n");
    TestApp app({{"/mode.txt", stored}});
    QPointer<main> old_window = app.window();
    QSignalSpy reloads(&app.owner, &MainWindowOwner::reloaded);
    QPointer<modefrm> window = open_mode_window(app);
    QVERIFY(window);

    QTest::mouseClick(child(window, "Option1"), Qt::LeftButton);
    QVERIFY(child<QRadioButton>(window, "Option1")->isChecked());
    if (by_quit)
        QTest::mouseClick(child(window, "quit"), Qt::LeftButton);
    else
        QVERIFY(window->close());
    TestApp::settle();

    QCOMPARE(app.folder.read("/mode.txt"), stored);
    QVERIFY(!window);
    QVERIFY(!old_window);
    QCOMPARE(reloads.size(), 1);
    QVERIFY(app.window()->isVisible());
    QVERIFY(app.window()->isEnabled());
    QCOMPARE(second_side(app), "Player2");
}

void TestModeWindow::refused_write_at_play_hands_back()
{
    TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
    QSignalSpy reloads(&app.owner, &MainWindowOwner::reloaded);
    QPointer<modefrm> window = open_mode_window(app);
    QVERIFY(window);
    QTest::mouseClick(child(window, "Option2"), Qt::LeftButton);
    {
        RefusedWrites full_disk;
        QTest::mouseClick(child(window, "play"), Qt::LeftButton);
    }
    TestApp::settle();

    QCOMPARE(app.boxes.shown.size(), 1);
    const QString prompt = app.boxes.shown[0].prompt;
    QVERIFY2(prompt.contains(app.folder.file("/mode.txt")), qPrintable(prompt));
    QVERIFY2(prompt.contains(':'), "the reason follows the file name");
    QCOMPARE(app.folder.read("/mode.txt"), QByteArray("0\r\n"));
    QVERIFY(!window);
    QCOMPARE(reloads.size(), 1);
    QVERIFY(app.window()->isEnabled());
    QCOMPARE(second_side(app), "Computer");
}

void TestModeWindow::drag_keeps_the_grabbed_point_under_the_pointer_data()
{
    QTest::addColumn<QPointF>("rest");  // where the pointer last moved without a button
    QTest::addColumn<QPointF>("drag");  // where it is with the left button held
    QTest::addColumn<QPoint>("shift");

    QTest::newRow("whole pixels") << QPointF(100, 50) << QPointF(110, 57) << QPoint(10, 7);
    QTest::newRow("backwards") << QPointF(200, 100) << QPointF(150, 80) << QPoint(-50, -20);
    QTest::newRow("no movement") << QPointF(30, 40) << QPointF(30, 40) << QPoint(0, 0);
    QTest::newRow("halves round down to even") << QPointF(10.5, 20.5) << QPointF(15, 25) << QPoint(5, 5);
    QTest::newRow("halves round up to even") << QPointF(11.5, 21.5) << QPointF(15, 25) << QPoint(3, 3);
    QTest::newRow("nearest otherwise") << QPointF(30.4, 40.6) << QPointF(40, 50) << QPoint(10, 9);
    QTest::newRow("outside the window") << QPointF(100, 50) << QPointF(-400, 600) << QPoint(-500, 550);
}

void TestModeWindow::drag_keeps_the_grabbed_point_under_the_pointer()
{
    QFETCH(QPointF, rest);
    QFETCH(QPointF, drag);
    QFETCH(QPoint, shift);

    TestApp app;
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    const QPoint start = window->pos();

    move_over_background(window, rest, Qt::NoButton);
    QCOMPARE(window->pos(), start);
    move_over_background(window, drag, Qt::LeftButton);
    QCOMPARE(window->pos(), start + shift);
}

void TestModeWindow::grab_point_is_taken_only_without_a_button()
{
    TestApp app;
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    const QPoint start = window->pos();

    move_over_background(window, {100, 50}, Qt::NoButton);
    // Other buttons neither move the window nor take a new grab point.
    move_over_background(window, {300, 120}, Qt::RightButton);
    move_over_background(window, {300, 120}, Qt::LeftButton | Qt::RightButton);
    move_over_background(window, {300, 120}, Qt::MiddleButton);
    QCOMPARE(window->pos(), start);

    // A drag step does not take a new grab point either: each step measures from (100, 50).
    move_over_background(window, {110, 50}, Qt::LeftButton);
    QCOMPARE(window->pos(), start + QPoint(10, 0));
    move_over_background(window, {120, 60}, Qt::LeftButton);
    QCOMPARE(window->pos(), start + QPoint(30, 10));

    move_over_background(window, {20, 30}, Qt::NoButton);
    move_over_background(window, {25, 30}, Qt::LeftButton);
    QCOMPARE(window->pos(), start + QPoint(35, 10));
}

void TestModeWindow::real_drag_over_a_caption_moves_the_window()
{
    // Through the window system: the captions do not take the pointer from the background.
    TestApp app;
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint start = window->pos();
    const QPoint grab = child(window, "Label7")->geometry().center() + child(window, "Picture1")->pos();
    QWindow* handle = window->windowHandle();

    QTest::mouseMove(handle, grab);
    QTest::mousePress(handle, Qt::LeftButton, {}, grab);
    QTest::mouseMove(handle, grab + QPoint(40, 25));
    QCOMPARE(window->pos(), start + QPoint(40, 25));
    // Positions are in the window's coordinates: once it has followed the pointer,
    // the pointer is over the grabbed point again.
    QTest::mouseMove(handle, grab + QPoint(-10, 5));
    QCOMPARE(window->pos(), start + QPoint(30, 30));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grab);
    QCOMPARE(window->pos(), start + QPoint(30, 30));
}

void TestModeWindow::pulling_off_a_button_does_not_drag_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("play") << "play";
    QTest::newRow("quit") << "quit";
    QTest::newRow("Option2") << "Option2";
}

void TestModeWindow::pulling_off_a_button_does_not_drag()
{
    QFETCH(QString, control);

    TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
    modefrm* window = open_mode_window(app);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint start = window->pos();
    QWindow* handle = window->windowHandle();
    const QPoint background(250, 70);
    const QPoint on_control = child(window, qPrintable(control))->geometry().center() + child(window, "Picture1")->pos();

    QTest::mouseMove(handle, background);
    QTest::mousePress(handle, Qt::LeftButton, {}, on_control);
    QTest::mouseMove(handle, on_control + QPoint(0, 60));
    QTest::mouseMove(handle, on_control + QPoint(30, 70));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, on_control + QPoint(30, 70));

    QCOMPARE(window->pos(), start);
    QVERIFY(mode_window());  // released off the button: not pressed
    QCOMPARE(app.folder.read("/mode.txt"), QByteArray("0\r\n"));
}

void TestModeWindow::help_commands_open_one_document_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("during_game");

    QTest::newRow("Guide") << "Guide" << "/Help.CHM" << false;
    QTest::newRow("Read Me") << "readme" << "/README.txt" << false;
    QTest::newRow("Guide in a game") << "Guide" << "/Help.CHM" << true;
    QTest::newRow("Read Me in a game") << "readme" << "/README.txt" << true;
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
    const auto snapshot = [&] {
        QStringList state;
        for (const char* file : {"/sound.txt", "/mode.txt", "/playerimg.txt", "/menu.txt"})
            state << QString::fromLatin1(app.folder.read(QString::fromLatin1(file)).toHex());
        for (QLabel* label : window->findChildren<QLabel*>())
            state << label->objectName() + "=" + label->text() + (label->isVisibleTo(window) ? "" : " hidden")
                    + (label->pixmap().isNull() ? "" : " picture");
        state << QString::number(MainWindowProbe::gamestate(*window)) << QString::number(MainWindowProbe::turn(*window))
              << MainWindowProbe::p1moves(*window) << MainWindowProbe::p2moves(*window);
        for (int cell = 1; cell <= 9; ++cell)
            state << (MainWindowProbe::free(*window, cell) ? "free" : "taken");
        return state;
    };
    const QStringList before = snapshot();
    const qsizetype sounds = app.sound.played.size();
    const qsizetype boxes = app.boxes.shown.size();

    trigger(window, qPrintable(command));

    QCOMPARE(app.documents.opened, QStringList{app.folder.file(document)});
    QCOMPARE(app.window(), window);
    QVERIFY(window->isEnabled());
    QCOMPARE(snapshot(), before);
    QCOMPARE(app.sound.played.size(), sounds);
    QCOMPARE(app.boxes.shown.size(), boxes);
}

QTEST_MAIN(TestModeWindow)
#include "test_modewindow.moc"
