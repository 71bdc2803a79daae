// The game mode window, opened from the main window.
#include "testsupport.h"

#include "imagechooser/imgchange.h"
#include "modewindow/modefrm.h"
#include "platform/translations.h"
#include "platform/windows.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTest>
#include <QTranslator>
#include <QWindow>

#include <optional>

using namespace trivolo;
using namespace trivolo::test;

namespace {

// Every text the visible windows show (`all`: titles, menus and captions), or only the captions their
// controls cut off.
QStringList texts_shown(bool all)
{
    QStringList found;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (all)
            found << window->windowTitle();
        for (const QAction* action : window->findChildren<QAction*>())
            if (all && !action->text().isEmpty())
                found << action->text();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(control);
            const auto* button = qobject_cast<QAbstractButton*>(control);
            const QString text = QString(label ? label->text() : button ? button->text() : QString()).remove('&');
            if (text.isEmpty() || !control->isVisible())
                continue;
            QStyleOptionButton option;
            option.initFrom(control);
            const auto contents
                = qobject_cast<QRadioButton*>(control) ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
            const QRect room
                = label ? label->contentsRect() : control->style()->subElementRect(contents, &option, control);
            const bool wrap = label && label->wordWrap();
            const QRect needed = control->fontMetrics().boundingRect(room, wrap ? Qt::TextWordWrap : 0, text);
            const bool fits = needed.width() <= room.width() && (!wrap || needed.height() <= room.height());
            if (all || !fits)
                found << text;
        }
    }
    return found;
}

modefrm* open_mode_window(TestApp& app)
{
    trigger(app.window(), "gmode");
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<modefrm*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

}  // namespace

class TestModeWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }
    void stores_only_what_play_confirms_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("option");  // clicked, if any
        QTest::addColumn<QString>("leave");   // "play", "quit", "refused": Play on a full disk
        QTest::addColumn<QByteArray>("written");

        const QByteArray computer("0\r\n");
        const QByteArray two("1\r\n");
        const QByteArray extra("1\r\nextra\r\n");
        QTest::newRow("0 with a blank") << QByteArray("0 \r\n") << "" << "play" << two;
        QTest::newRow("to computer, extra line dropped") << extra << "Option1" << "play" << computer;
        QTest::newRow("quit after a change") << extra << "Option1" << "quit" << extra;
        QTest::newRow("write refused") << computer << "Option2" << "refused" << computer;
        // clang-format on
    }

    void stores_only_what_play_confirms()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, option);
        QFETCH(QString, leave);
        QFETCH(QByteArray, written);

        TestApp app({{"/mode.txt", stored}});
        QPointer<main> old_window = app.window();
        QSignalSpy reloads(&app.owner, &MainWindowOwner::reloaded);
        QPointer<modefrm> window = open_mode_window(app);
        QVERIFY(window);
        const bool computer = stored.startsWith("0\r\n");  // the option preselected
        QCOMPARE(child<QRadioButton>(window, "Option1")->isChecked(), computer);
        QCOMPARE(child<QRadioButton>(window, "Option2")->isChecked(), !computer);
        QVERIFY(!old_window->isEnabled());

        if (!option.isEmpty())
            click(window, option);
        {
            std::optional<RefusedWrites> full_disk;
            if (leave == "refused")
                full_disk.emplace();
            click(window, leave == "quit" ? "quit" : "play");
        }
        TestApp::settle();

        // Whichever way it is left, a fresh, enabled main window plays the mode the file holds.
        QCOMPARE(app.folder.read("/mode.txt"), written);
        QVERIFY(!window);
        QVERIFY(!old_window);
        QCOMPARE(reloads.size(), 1);
        QVERIFY(app.window()->isEnabled());
        QCOMPARE(child<QLabel>(app.window(), "modeshow1")->text(), written == "0\r\n" ? "Computer" : "Player2");
        QCOMPARE(app.boxes.shown.size(), leave == "refused" ? 1 : 0);
        if (leave == "refused")
            QVERIFY(app.boxes.shown[0].prompt.contains(app.folder.file("/mode.txt")));
    }

    void buttons_and_captions_under_a_real_drag()
    {
        // A caption drags the window like the background; a button pulled off is neither a drag nor a press.
        TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
        modefrm* window = open_mode_window(app);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QWindow* handle = window->windowHandle();
        for (const QString grab : {"play", "quit", "Label7"}) {
            const QPoint start = window->pos();
            const QPoint pressed = child(window, grab)->geometry().center() + child(window, "Picture1")->pos();
            const QPoint shift = grab.startsWith("Label") ? QPoint(40, 25) : QPoint();
            QTest::mouseMove(handle, pressed);
            QTest::mousePress(handle, Qt::LeftButton, {}, pressed);
            QTest::mouseMove(handle, pressed + QPoint(40, 25));
            QTest::mouseRelease(handle, Qt::LeftButton, {}, pressed + QPoint(40, 25) - shift);
            QCOMPARE(window->pos(), start + shift);
            QVERIFY(window->isVisible());
        }
        delete window;
    }

    void every_text_is_translated_and_fits_data()
    {
        QTest::addColumn<QString>("language");  // "pseudo": the pseudo-translation of the build
        QTest::newRow("English") << "C";
        for (const QFileInfo& catalogue : QDir(TRIVOLO_APP_DIR "/translations").entryInfoList({"trivolo_*.qm"}))
            QTest::newRow(qPrintable(catalogue.baseName())) << catalogue.baseName().mid(8);
        QTest::newRow("pseudo") << "pseudo";
    }

    void every_text_is_translated_and_fits()
    {
        // With the substituted faces at 96 dpi no caption is cut off (only wrapped lines must fit downwards), in
        // every language. Under the pseudo-translation every text a player sees comes marked from the catalogue.
        QFETCH(QString, language);
        const bool pseudo = language == "pseudo";
        QTranslator marked;
        QVERIFY(!pseudo || marked.load(TRIVOLO_PSEUDO_CATALOGUE));
        const QString found = install_translations(TRIVOLO_APP_DIR "/translations", QLocale(language));
        QCOMPARE(found, pseudo || language == "C" ? QString() : language);
        QCoreApplication::installTranslator(&marked);
        TestApp app({{"/mode.txt", QByteArray("0\r\n")}});
        const QString pictures = found.isEmpty() ? QString() : found + u'/';  // a language's own, with words in it
        QCOMPARE(picture_of(app.window(), "howpic"), picture_file(":/builtin/" + pictures + "howtoplay.gif"));
        app.choosers.show(Player::Player1);
        app.choosers.show(Player::Player2);
        modefrm* mode = open_mode_window(app);
        QStringList shown = texts_shown(pseudo);
        app.folder.write("/mode.txt", "1\r\n");  // the fresh window: two players, and a game with its turn message
        click(mode, "quit");
        TestApp::settle();
        for (const char* command : {"ngame", "ngame", "gmode", "exit", "on", "Off"})  // all but the first refused
            trigger(app.window(), command);
        QCOMPARE(picture_of(app.window(), "playerlevel"),
                 picture_file(app.folder.file("/docs/" + pictures + "player1.gif")));
        shown += texts_shown(pseudo);
        click(app.choosers.window(Player::Player2), "Command1");
        for (const ShownBox& box : app.boxes.shown)
            shown << (pseudo ? QStringList{box.title, box.prompt} : QStringList());
        install_translations({});
        if (!pseudo)
            QVERIFY2(shown.isEmpty(), qPrintable(shown.join(" | ")));
        for (const QString& text : shown)
            QVERIFY2(QRegularExpression("^\\[.*\\]$").match(text).hasMatch(), qPrintable(text));
    }
};

QTEST_MAIN(TestModeWindow)
#include "test_modewindow.moc"
