// The main window: how it starts, its menus, and games played with the mouse or the keys, as a
// screen reader reads them.
#include "testsupport.h"

#include "mainwindow/marks.h"
#include "platform/windows.h"
#include "settings/settings.h"

#include <QAccessible>
#include <QDir>
#include <QTest>

#include <optional>

using namespace trivolo;
using namespace trivolo::test;

namespace {

const QByteArray kTwo("1\r\n"), kOn("true\r\n"), kOff("False\r\n"), kMarks("star.jpeg\r\nheart.ico\r\n");

QImage shown(const main* window, const char* name)
{
    return picture_of(child(window, QLatin1String(name)));
}

enum class Input { Clicks, Digits, Arrows };  // digits: every second from the keypad; arrows: from the top-left

void play(const TestApp& app, const QString& cells, Input input)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int to = cells[i].digitValue() - 1;
        const Qt::KeyboardModifiers keypad = i % 2 ? Qt::KeypadModifier : Qt::NoModifier;
        QList<Qt::Key> keys{Qt::Key(Qt::Key_1 + to)};
        if (input == Input::Arrows)
            keys = QList{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left} + QList<Qt::Key>(to % 3, Qt::Key_Right)
                    + QList<Qt::Key>(to / 3, Qt::Key_Down)
                << (i % 2 ? Qt::Key_Return : Qt::Key_Space);
        if (input == Input::Clicks)
            click_cells(app, cells.mid(i, 1));
        else
            for (const Qt::Key key : keys)
                QTest::keyClick(app.window()->focusWidget(), key, keypad);
    }
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }

    void start_up_follows_the_files()
    {
        // Only the exact words count: "True" is no "true", "0 " no "0" (games show the exact ones at work).
        TestApp app({{"/sound.txt", "True\r\n"}, {"/mode.txt", "0 \r\n"}});
        app.window()->setWindowState(Qt::WindowMinimized);
        QDir(app.folder.path() + "/docs").removeRecursively();
        app.owner.reload();  // a fresh window comes up restored, whatever the old one was
        main* window = app.window();
        QVERIFY(!(window->windowState() & Qt::WindowMinimized));
        QCOMPARE(child<QLabel>(window, "slevel")->text() + " " + child<QLabel>(window, "modeshow1")->text(),
                 "OFF Player2");
        // The pictures shown at the start are compiled in: a folder without pictures still shows them.
        for (const char* name : {"Picture1", "howpic", "playerlevel"})
            QVERIFY2(!shown(window, name).isNull(), name);
    }

    void sound_switch_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");  // empty: the write is refused
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("off when on") << kOn << "Off" << "Sound Is Now OFF." << kOff;
        QTest::newRow("off when empty") << QByteArray() << "Off" << "Sound Is Already OFF." << QByteArray();
        QTest::newRow("on when True") << QByteArray("True\r\n") << "on" << "Sound Is Now On." << kOn;
        QTest::newRow("on when on") << QByteArray("true\n") << "on" << "Sound Is Already On." << QByteArray("true\n");
        QTest::newRow("off refused") << kOn << "Off" << "" << kOn;
        QTest::newRow("on refused") << kOff << "on" << "" << kOff;
        // clang-format on
    }

    void sound_switch()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, command);
        QFETCH(QString, message);
        QFETCH(QByteArray, after);
        TestApp app({{"/sound.txt", before}});
        QString label_while_box_open;
        app.boxes.on_show
            = [&](const ShownBox&) { label_while_box_open = child<QLabel>(app.window(), "slevel")->text(); };
        std::optional<RefusedWrites> full_disk;
        if (message.isEmpty())
            full_disk.emplace();
        trigger(app.window(), qPrintable(command));
        full_disk.reset();
        QCOMPARE(app.boxes.shown.size(), 1);
        const ShownBox& box = app.boxes.shown[0];
        QVERIFY2(message.isEmpty() ? box.prompt.contains(app.folder.file("/sound.txt")) : box.prompt == message,
                 qPrintable(box.prompt));
        QCOMPARE(box.title, message.isEmpty() ? "Setting Not Saved" : "Sound Information");
        QCOMPARE(app.folder.read("/sound.txt"), after);
        QCOMPARE(label_while_box_open, after.startsWith("true") ? "ON" : "OFF");
        QCOMPARE(app.game().soundon, after.startsWith("true"));
        QCOMPARE(QDir(app.folder.path()).entryList({"sound.txt*"}), QStringList{"sound.txt"});  // nothing left behind
    }

    void new_game_and_turns_between_two_players()
    {
        TestApp app({{"/mode.txt", kTwo}, {"/sound.txt", kOn}, {"/playerimg.txt", kMarks}});
        main* window = app.window();
        app.folder.remove("/menu.txt");
        const auto mark
            = [](const char* name) { return picture_file(QFile::decodeName(settings::image_path(name).value())); };
        const auto banner = [&](const char* name) { return picture_file(app.folder.file(name)); };
        trigger(window, "ngame");
        QVERIFY(!child(window, "howpic")->isVisible());
        QCOMPARE(shown(window, "playerpics"), mark("star.jpeg"));
        QCOMPARE(shown(window, "playerlevel"), banner("/docs/player1.gif"));
        QCOMPARE(child<QLabel>(window, "msgb")->text(), "Now Player1");
        QCOMPARE(app.folder.read("/menu.txt"), QByteArray("false\r\n"));
        QImage cell_during_sound;  // the mark is on the board while the turn sound plays
        app.sound.on_play = [&](const QString&) { cell_during_sound = shown(window, "p5"); };
        click_cells(app, "5");
        QCOMPARE(cell_during_sound, mark("star.jpeg"));
        QCOMPARE(shown(window, "playerpics"), mark("heart.ico"));
        QCOMPARE(shown(window, "playerlevel"), banner("/docs/player2.gif"));
        QCOMPARE(child<QLabel>(window, "msgb")->text(), "Now Player2");
        app.sound.on_play = {};
        click_cells(app, "355");  // a taken cell ignores clicks
        QCOMPARE(shown(window, "p3"), mark("heart.ico"));
        // During a game New Game and Game Mode only say why not and Guide opens the help; Quit, Yes, ends it.
        app.boxes.answers = {BoxAnswer::Ok, BoxAnswer::Ok, BoxAnswer::Yes};
        for (const char* command : {"ngame", "gmode", "Guide", "exit"})
            trigger(window, command);
        QCOMPARE(
            app.boxes.shown,
            (QList<ShownBox>{
                {"First Quit This Game, Then Start New Game.", BoxButtons::OkInformation, "Cannot start New Game Now."},
                {"First Quit This Game, Then Change Mode", BoxButtons::OkInformation, "Cannot Change Game Mode Now."},
                {"Are You Sure To Quit This Game ?", BoxButtons::YesNo, "Quit Confirmation"}}));
        QCOMPARE(app.documents.opened, QStringList{app.folder.file("/Help.CHM")});
        QCOMPARE(app.sounds().join(' '),
                 "/sounds/start.wav /sounds/player1.wav /sounds/player2.wav /sounds/player1.wav");
        TestApp::settle();
        QVERIFY(app.window()->isVisible() && app.window()->isEnabled() && !app.game().game_running());
        // A refused write of the marker only goes to standard error.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save .*/menu\\.txt"));
        RefusedWrites full_disk;
        trigger(app.window(), "ngame");
        click_cells(app, "1");
        QCOMPARE(app.game().p1moves, "1");
    }

    void games_end_alike_from_mouse_and_keys_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QString>("cells");   // marked in turn
        QTest::addColumn<QString>("result");  // the message, the picture and the sound
        QTest::addColumn<QString>("heard");   // some of what a screen reader reads of the window at the end
        QTest::newRow("computer wins") << QByteArray("0\r\n") << "134" << "Player2 Won The Game/player2win.gif/wonp2.wav" << "Cell 5, centre: Computer|Cell 9, bottom right: empty|Player1 versus Computer";
        QTest::newRow("Player1 wins") << kTwo << "14253" << "Player1 Won The Game/player1win.gif/wonp1.wav" << "Cell 3, top right: Player1|Result: Player1 Won The Game";
        QTest::newRow("Player2 wins") << kTwo << "142596" << "Player2 Won The Game/player2win.gif/wonp2.wav" << "Cell 6, centre right: Player2|Player1 versus Player2";
        QTest::newRow("full board") << kTwo << "123584697" << "Match Drawn/draw.gif/draw.wav" << "Cell 2, top centre: Player2|Result: Match Drawn";
        QTest::newRow("win with the ninth mark") << kTwo << "123546897" << "Player1 Won The Game/player1win.gif/wonp1.wav" << "Cell 7, bottom left: Player1";
        QTest::newRow("two lines at once") << kTwo << "253648791" << "Player1 Won The Game/player1win.gif/wonp1.wav" << "Cell 1, top left: Player1";
        // clang-format on
    }

    void games_end_alike_from_mouse_and_keys()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QString, cells);
        QFETCH(QString, result);
        QFETCH(QString, heard);
        QList<QStringList> outcomes;
        for (const Input input : {Input::Clicks, Input::Digits, Input::Arrows}) {
            TestApp app({{"/mode.txt", mode}, {"/sound.txt", kOn}});
            QPointer<main> window = app.window();
            play(app, "123456789", input);  // no game yet: nothing happens, as the clicks show
            trigger(window, "ngame");
            QTest::keySequence(window->focusWidget(), QKeySequence("Ctrl+9, Alt+9, Meta+9"));  // no marks
            QString seen;  // what the player sees while the closing message is open
            app.boxes.on_show = [&](const ShownBox&) {
                seen = QString::number(shown(window, "wonpic")
                                       == picture_file(app.folder.file("/docs/" + result.section('/', 1, 1))))
                    + QString::number(!cell_picture(window, cells.back().digitValue()).isNull())
                    + QString::number(child(window, "msgb")->isVisible());
            };
            play(app, cells, input);
            outcomes << (app.sounds() << seen);
            for (const ShownBox& box : app.boxes.shown)
                outcomes.last() << QString("%1|%2|%3").arg(box.prompt, box.title).arg(int(box.buttons));
            for (QLabel* box : window->findChildren<QLabel*>())  // the cells, the side panel, the result
                outcomes.last() << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            // The finished game is replaced by a fresh, empty window and the program goes on.
            TestApp::settle();
            QVERIFY(window.isNull() && app.window()->isVisible() && app.game().soundon && !app.game().game_running());
            QVERIFY(shown(app.window(), "wonpic").isNull() && shown(app.window(), "p5").isNull());
        }
        QCOMPARE(outcomes, QList<QStringList>(3, outcomes[0]));
        const QString sound = "/sounds/" + result.section('/', 2);
        QCOMPARE(outcomes[0].indexOf(sound), outcomes[0].indexOf("110") - 1);  // the last sound, and only once
        QCOMPARE(outcomes[0].count(sound), 1);
        QVERIFY(outcomes[0].contains(result.section('/', 0, 0) + "|Game Ends.|"
                                     + QString::number(int(BoxButtons::OkOnly))));
        for (const QString& name : heard.split('|'))
            QVERIFY2(outcomes[0].contains(name), qPrintable(name));
    }

    void unusable_mark_names_get_a_drawn_mark()
    {
        for (const QString name : {"gone.gif", "notes.gif", "../docs/draw.gif", ""}) {
            TestApp app({{"/mode.txt", kTwo}, {"/playerimg.txt", (name + "\r\n" + name + "\r\n").toUtf8()}});
            app.folder.write("/images/notes.gif", "these are not the pictures you are looking for");
            trigger(app.window(), "ngame");
            click_cells(app, "12");
            for (const Player player : {Player::Player1, Player::Player2})
                QCOMPARE(cell_picture(app.window(), int(player)),
                         draw_fallback_mark(player).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
