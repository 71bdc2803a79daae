// The main window: how it starts, the sound switch, and games played with the mouse or the keys.
#include "testsupport.h"

#include "mainwindow/marks.h"
#include "platform/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTest>

#include <optional>

using namespace trivolo;
using namespace trivolo::test;

namespace {

const QByteArray kTwo("1\r\n"), kOn("true\r\n"), kOff("False\r\n");

QString text_of(const main* window, const char* label)
{
    return child<QLabel>(window, QLatin1String(label))->text();
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

// How a game ended, as the player saw and heard it and as a screen reader reads the window.
struct Ending {
    bool result_picture = false;  // while the closing message is open
    bool last_mark = false;
    bool turn_message = false;
    QStringList sounds;
    QList<ShownBox> boxes;
    QStringList names;
    bool operator==(const Ending&) const = default;
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }

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
        QTest::newRow("on when on") << kOn << "on" << "Sound Is Already On." << kOn;
        QTest::newRow("off refused") << kOn << "Off" << "" << kOn;
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
        app.boxes.on_show = [&](const ShownBox&) { label_while_box_open = text_of(app.window(), "slevel"); };
        std::optional<RefusedWrites> full_disk;
        if (message.isEmpty())
            full_disk.emplace();
        trigger(app.window(), qPrintable(command));
        full_disk.reset();
        QCOMPARE(app.boxes.shown.size(), 1);
        const ShownBox& box = app.boxes.shown[0];
        if (message.isEmpty())
            QVERIFY2(box.prompt.contains(app.folder.file("/sound.txt")), qPrintable(box.prompt));
        else
            QCOMPARE(box.prompt, message);
        QCOMPARE(box.title, message.isEmpty() ? "Setting Not Saved" : "Sound Information");
        QCOMPARE(app.folder.read("/sound.txt"), after);
        QCOMPARE(label_while_box_open, after.startsWith("true") ? "ON" : "OFF");
        QCOMPARE(app.game().soundon, after.startsWith("true"));
        QCOMPARE(QDir(app.folder.path()).entryList({"sound.txt*"}), QStringList{"sound.txt"});  // nothing left behind
    }

    void new_game_and_turns_between_two_players()
    {
        TestApp app({{"/mode.txt", kTwo}, {"/sound.txt", kOn}, {"/playerimg.txt", "star.jpeg\r\nheart.ico\r\n"}});
        main* window = app.window();
        app.folder.remove("/menu.txt");
        const auto file = [&](const QString& name) { return picture_file(app.folder.file(name)); };
        trigger(window, "ngame");
        QVERIFY(!child(window, "howpic")->isVisible());
        QCOMPARE(picture_of(window, "playerpics"), file("/images/star.jpeg"));
        QCOMPARE(picture_of(window, "playerlevel"), file("/docs/player1.gif"));
        QCOMPARE(text_of(window, "msgb"), "Now Player1");
        QCOMPARE(app.folder.read("/menu.txt"), QByteArray("false\r\n"));
        QImage cell_during_sound;  // the mark is on the board while the turn sound plays
        app.sound.on_play = [&](const QString&) { cell_during_sound = picture_of(window, "p5"); };
        click_cells(app, "5");
        app.sound.on_play = {};
        QCOMPARE(cell_during_sound, file("/images/star.jpeg"));
        QCOMPARE(picture_of(window, "playerpics"), file("/images/heart.ico"));
        QCOMPARE(picture_of(window, "playerlevel"), file("/docs/player2.gif"));
        QCOMPARE(text_of(window, "msgb"), "Now Player2");
        click_cells(app, "355");  // a taken cell ignores clicks
        QCOMPARE(picture_of(window, "p3"), file("/images/heart.ico"));
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
        QVERIFY(app.window()->isEnabled());
        QVERIFY(!app.game().game_running());
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
        QTest::newRow("computer wins") << QByteArray("0\r\n") << "134" << "Player2 Won The Game/player2win.gif/wonp2.wav" << "Cell 5, centre: Computer|Cell 9, bottom right: empty|Computer";
        QTest::newRow("Player1 wins") << kTwo << "14253" << "Player1 Won The Game/player1win.gif/wonp1.wav" << "Cell 3, top right: Player1|Result: Player1 Won The Game";
        QTest::newRow("Player2 wins") << kTwo << "142596" << "Player2 Won The Game/player2win.gif/wonp2.wav" << "Cell 6, centre right: Player2|Now Player1";
        QTest::newRow("full board") << kTwo << "123584697" << "Match Drawn/draw.gif/draw.wav" << "Cell 2, top centre: Player2|Result: Match Drawn";
        // clang-format on
    }

    void games_end_alike_from_mouse_and_keys()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QString, cells);
        QFETCH(QString, result);
        QFETCH(QString, heard);
        QList<Ending> endings;
        for (const Input input : {Input::Clicks, Input::Digits, Input::Arrows}) {
            TestApp app({{"/mode.txt", mode}, {"/sound.txt", kOn}});
            QPointer<main> window = app.window();
            play(app, "123456789", input);  // no game yet: nothing happens, as the clicks show
            trigger(window, "ngame");
            QTest::keySequence(window->focusWidget(), QKeySequence("Ctrl+9, Alt+9, Meta+9"));  // no marks
            Ending& ending = endings.emplace_back();
            app.boxes.on_show = [&](const ShownBox&) {
                ending.result_picture = picture_of(window, "wonpic")
                    == picture_file(app.folder.file("/docs/" + result.section('/', 1, 1)));
                ending.last_mark = !picture_of(window, QString("p") + cells.back()).isNull();
                ending.turn_message = child(window, "msgb")->isVisible();
            };
            play(app, cells, input);
            ending.sounds = app.sounds();
            ending.boxes = app.boxes.shown;
            for (QLabel* box : window->findChildren<QLabel*>())  // the cells, the side panel, the result
                ending.names << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            // The finished game is replaced by a fresh, empty window and the program goes on.
            TestApp::settle();
            QVERIFY(window.isNull());
            QVERIFY(app.game().soundon);
            QVERIFY(!app.game().game_running());
            QVERIFY(picture_of(app.window(), "p5").isNull());
        }
        QCOMPARE(endings[1], endings[0]);
        QCOMPARE(endings[2], endings[0]);
        const Ending& ending = endings[0];
        QVERIFY(ending.result_picture);
        QVERIFY(ending.last_mark);
        QVERIFY(!ending.turn_message);
        QCOMPARE(ending.sounds.last(), "/sounds/" + result.section('/', 2));  // the last sound, and only once
        QCOMPARE(ending.sounds.count(ending.sounds.last()), 1);
        QCOMPARE(ending.boxes, (QList<ShownBox>{{result.section('/', 0, 0), BoxButtons::OkOnly, "Game Ends."}}));
        for (const QString& name : heard.split('|'))
            QVERIFY2(ending.names.contains(name), qPrintable(name));
    }

    void a_held_key_never_plays()
    {
        TestApp app({{"/mode.txt", kTwo}});
        trigger(app.window(), "ngame");
        QWidget* board = app.window()->focusWidget();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, "5", true);
        QApplication::sendEvent(board, &repeat);
        QTest::keyRelease(board, Qt::Key_5);
        QTest::keyRelease(board, Qt::Key_Return);  // its press closed a message box: the next presses repeat it
        QTest::keyClick(board, Qt::Key_Return);
        QTest::keyPress(board, Qt::Key_7);
        QTest::keyClick(board, Qt::Key_7);  // a second press without a release repeats the first
        QCOMPARE(app.game().p1moves, "");
        QTest::keyClick(board, Qt::Key_3);
        QCOMPARE(app.game().p1moves, "3");
    }

    void unusable_mark_names_get_a_drawn_mark()
    {
        for (const QString name : {"gone.gif", "notes.gif", "../docs/draw.gif"}) {
            TestApp app({{"/mode.txt", kTwo}, {"/playerimg.txt", (name + "\r\n" + name + "\r\n").toUtf8()}});
            app.folder.write("/images/notes.gif", "these are not the pictures you are looking for");
            trigger(app.window(), "ngame");
            click_cells(app, "12");
            for (const Player player : {Player::Player1, Player::Player2})
                QCOMPARE(picture_of(app.window(), QString("p%1").arg(int(player))),
                         draw_fallback_mark(player).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
