// The main window: how it starts, its menus, and games between two players.
#include "testsupport.h"

#include "mainwindow/marks.h"
#include "platform/windows.h"
#include "settings/settings.h"

#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <optional>

using namespace trivolo;
using namespace trivolo::test;

namespace {

const QByteArray kTwo("1\r\n"), kComputer("0\r\n"), kOn("true\r\n"), kOff("False\r\n");
const QByteArray kMarks("star.jpeg\r\nheart.ico\r\n");

QString text_of(const main* window, const char* name)
{
    return child<QLabel>(window, QLatin1String(name))->text();
}

QImage shown(const main* window, const char* name)
{
    return picture_of(child(window, QLatin1String(name)));
}

QImage image_named(const QString& name)
{
    return picture_file(QFile::decodeName(settings::image_path(name)));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }

    void window_is_built_as_designed()
    {
        TestApp app;
        main* window = app.window();
        QCOMPARE(window->windowTitle(), "Trivolo By Quenrix");
        QCOMPARE(child(window, "client")->size(), QSize(637, 513));
        QVERIFY(window->minimumSize() == window->maximumSize()
                && !(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        // Nine cells 136 pixels apart; the grid lines between them, not over them.
        for (int cell = 1; cell <= 9; ++cell) {
            const QRect box = child(window, QStringLiteral("p%1").arg(cell))->geometry();
            QCOMPARE(box, QRect(224 + (cell - 1) % 3 * 136, 16 + (cell - 1) / 3 * 136, 120, 121));
            for (const char* line : {"Line1", "Line2", "Line3", "Line4"})
                QVERIFY(!box.intersects(child(window, QLatin1String(line))->geometry()));
        }
        QStringList menus;
        for (QAction* menu : window->menuBar()->actions()) {
            menus << menu->text();
            for (QAction* item : menu->menu()->actions())
                menus.last() += " " + item->objectName() + "=" + item->text() + "=" + item->shortcut().toString();
        }
        QCOMPARE(
            menus,
            QStringList({"Game ngame=New Game=Ctrl+N gmode=Game Mode=Ctrl+M exit=Quit=Del",
                         "Sound on=On=Ctrl+F1 Off=Off=Ctrl+F2", "Image playerimg1=Player1=F1 playerimg2=Player2=F2",
                         "Help Guide=Guide=Ctrl+H readme=Read Me=Ctrl+R"}));
        // The pictures shown at creation are compiled in: a folder without pictures still shows them.
        QDir(app.folder.path() + "/docs").removeRecursively();
        app.owner.reload();
        for (const char* name : {"Picture1", "howpic", "playerlevel"})
            QVERIFY2(!shown(app.window(), name).isNull(), name);
    }

    void start_up_follows_the_files_data()
    {
        // clang-format off
        // clang-format off
        QTest::addColumn<QByteArray>("sound");
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QString>("labels");  // the sound switch and the second side
        QTest::newRow("on, computer") << kOn << kComputer << "ON Computer";
        QTest::newRow("unterminated") << QByteArray("true") << QByteArray("0") << "ON Computer";
        QTest::newRow("False, 1") << kOff << kTwo << "OFF Player2";
        QTest::newRow("True, 0 and a blank") << QByteArray("True\r\n") << QByteArray("0 \r\n") << "OFF Player2";
        QTest::newRow("empty files") << QByteArray() << QByteArray() << "OFF Player2";
        // clang-format on
        // clang-format on
    }

    void start_up_follows_the_files()
    {
        QFETCH(QByteArray, sound);
        QFETCH(QByteArray, mode);
        QFETCH(QString, labels);
        TestApp app({{"/sound.txt", sound}, {"/mode.txt", mode}});
        app.window()->setWindowState(Qt::WindowMinimized);
        app.owner.reload();  // a fresh window comes up restored, whatever the old one was
        main* window = app.window();
        QVERIFY(!(window->windowState() & Qt::WindowMinimized));
        QCOMPARE(text_of(window, "slevel") + " " + text_of(window, "modeshow1"), labels);
        QCOMPARE(window->game().soundon, labels.startsWith("ON"));
        const QSize room = window->screen()->geometry().size() - window->frameGeometry().size();
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(qRound(room.width() / 2.0), qRound(room.height() / 2.0)));
        click_cells(app, "123456789");  // no game yet: clicks change nothing
        QVERIFY(shown(window, "p1").isNull() && app.sound.played.isEmpty() && app.boxes.shown.isEmpty());
    }

    void sound_switch_data()
    {
        // clang-format off
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
        QCOMPARE(box.title, message.isEmpty() ? "Setting Not Saved" : "Sound Information");
        QVERIFY2(message.isEmpty() ? box.prompt.contains(app.folder.file("/sound.txt")) : box.prompt == message,
                 qPrintable(box.prompt));
        QCOMPARE(app.folder.read("/sound.txt"), after);
        QCOMPARE(label_while_box_open, after.startsWith("true") ? "ON" : "OFF");
        QCOMPARE(app.game().soundon, after.startsWith("true"));
    }

    void menu_commands_refused_or_confirmed_data()
    {
        // clang-format off
        // clang-format off
        QTest::addColumn<bool>("in_game");
        QTest::addColumn<QString>("command");
        QTest::addColumn<ShownBox>("box");
        QTest::addColumn<BoxAnswer>("answer");
        QTest::addColumn<QString>("document");
        const ShownBox quit{"Are You Sure To Quit This Game ?", BoxButtons::YesNo, "Quit Confirmation"};
        QTest::newRow("Quit without a game") << false << "exit" << ShownBox{"No Game To Quit. Start New Game First.", BoxButtons::OkOnly, "Game Not Found"} << BoxAnswer::Ok << "";
        QTest::newRow("Quit, No") << true << "exit" << quit << BoxAnswer::No << "";
        QTest::newRow("Quit, Yes") << true << "exit" << quit << BoxAnswer::Yes << "";
        QTest::newRow("New Game in a game") << true << "ngame" << ShownBox{"First Quit This Game, Then Start New Game.",
                                                        BoxButtons::OkInformation, "Cannot start New Game Now."}
                                            << BoxAnswer::Ok << "";
        QTest::newRow("Game Mode in a game") << true << "gmode" << ShownBox{"First Quit This Game, Then Change Mode",
                                                         BoxButtons::OkInformation, "Cannot Change Game Mode Now."}
                                             << BoxAnswer::Ok << "";
        QTest::newRow("Guide") << true << "Guide" << ShownBox{} << BoxAnswer::Ok << "/Help.CHM";
        QTest::newRow("Read Me") << false << "readme" << ShownBox{} << BoxAnswer::Ok << "/README.txt";
        // clang-format on
        // clang-format on
    }

    void menu_commands_refused_or_confirmed()
    {
        QFETCH(bool, in_game);
        QFETCH(QString, command);
        QFETCH(ShownBox, box);
        QFETCH(BoxAnswer, answer);
        QFETCH(QString, document);
        TestApp app({{"/mode.txt", kTwo}, {"/sound.txt", kOn}});
        QPointer<main> window = app.window();
        if (in_game) {
            trigger(window, "ngame");
            click_cells(app, "5");
        }
        const QStringList sounds = app.sounds();
        app.boxes.answers = {answer};
        trigger(window, qPrintable(command));
        TestApp::settle();

        QCOMPARE(app.boxes.shown, box.title.isEmpty() ? QList<ShownBox>() : QList<ShownBox>{box});
        QCOMPARE(window.isNull(), answer == BoxAnswer::Yes);
        QCOMPARE(app.documents.opened, document.isEmpty() ? QStringList() : QStringList{app.folder.file(document)});
        QCOMPARE(app.sounds(), sounds);
        QVERIFY(app.window()->isVisible() && app.window()->isEnabled());
        QCOMPARE(app.game().p1moves, in_game && window ? "5" : "");
    }

    void new_game_prepares_the_board_data()
    {
        // clang-format off
        // clang-format off
        QTest::addColumn<QByteArray>("mode");
        QTest::addColumn<QByteArray>("sound");
        QTest::addColumn<QString>("labels");  // the second side and the turn message
        QTest::newRow("computer, sound on") << kComputer << kOn << "Computer ";
        QTest::newRow("two players, sound off") << QByteArray("2\r\n") << kOff << "Player2 Now Player1";
        // clang-format on
        // clang-format on
    }

    void new_game_prepares_the_board()
    {
        QFETCH(QByteArray, mode);
        QFETCH(QByteArray, sound);
        QFETCH(QString, labels);
        TestApp app({{"/mode.txt", kTwo}, {"/sound.txt", sound}, {"/playerimg.txt", kMarks}});
        app.folder.write("/mode.txt", mode);  // New Game reads the mode again
        app.folder.remove("/menu.txt");
        main* window = app.window();
        trigger(window, "ngame");

        QVERIFY(!child(window, "howpic")->isVisible() && shown(window, "howpic").isNull());
        QCOMPARE(shown(window, "playerpics"), image_named("star.jpeg"));
        QCOMPARE(shown(window, "playerlevel"), picture_file(app.folder.file("/docs/player1.gif")));
        QCOMPARE(text_of(window, "modeshow1") + " " + text_of(window, "msgb"), labels);
        QCOMPARE(app.sounds(),
                 sound == kOn ? QStringList({"/sounds/start.wav", "/sounds/player1.wav"}) : QStringList());
        QCOMPARE(app.folder.read("/menu.txt"), QByteArray("false\r\n"));

        // A refused write of the marker only goes to standard error.
        app.boxes.answers = {BoxAnswer::Yes};
        trigger(window, "exit");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save .*/menu\\.txt"));
        RefusedWrites full_disk;
        trigger(app.window(), "ngame");
        click_cells(app, "1");
        QCOMPARE(app.game().p1moves, "1");
        QCOMPARE(app.boxes.shown.size(), 1);
    }

    void turn_passes_between_two_players()
    {
        TestApp app({{"/mode.txt", kTwo}, {"/sound.txt", kOn}, {"/playerimg.txt", kMarks}});
        main* window = app.window();
        trigger(window, "ngame");
        QImage cell_during_sound;  // the mark is on the board while the turn sound plays
        app.sound.on_play = [&](const QString&) { cell_during_sound = shown(window, "p5"); };
        click_cells(app, "5");
        QCOMPARE(cell_during_sound, image_named("star.jpeg"));
        QCOMPARE(shown(window, "playerpics"), image_named("heart.ico"));
        QCOMPARE(shown(window, "playerlevel"), picture_file(app.folder.file("/docs/player2.gif")));
        QCOMPARE(text_of(window, "msgb"), "Now Player2");
        app.sound.on_play = {};
        click_cells(app, "355");  // a taken cell ignores clicks
        QCOMPARE(shown(window, "p3"), image_named("heart.ico"));
        QCOMPARE(text_of(window, "msgb"), "Now Player1");
        QCOMPARE(app.sounds().mid(2), QStringList({"/sounds/player2.wav", "/sounds/player1.wav"}));
        QCOMPARE(app.game().p1moves + app.game().p2moves, "53");
    }

    void two_player_game_ends_data()
    {
        // clang-format off
        // clang-format off
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("result");  // the message, the picture and the sound
        QTest::newRow("Player1 wins") << "14253" << "Player1 Won The Game/player1win.gif/wonp1.wav";
        QTest::newRow("Player2 wins") << "142596" << "Player2 Won The Game/player2win.gif/wonp2.wav";
        QTest::newRow("full board") << "123584697" << "Match Drawn/draw.gif/draw.wav";
        QTest::newRow("win with the ninth mark") << "123546897" << "Player1 Won The Game/player1win.gif/wonp1.wav";
        QTest::newRow("two lines at once") << "253648791" << "Player1 Won The Game/player1win.gif/wonp1.wav";
        // clang-format on
        // clang-format on
    }

    void two_player_game_ends()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, result);
        TestApp app({{"/mode.txt", kTwo}, {"/sound.txt", kOn}});
        QPointer<main> window = app.window();
        trigger(window, "ngame");
        QString seen;  // what the player sees while the closing message is open
        app.boxes.on_show = [&](const ShownBox&) {
            seen = QString::number(shown(window, "wonpic")
                                   == picture_file(app.folder.file("/docs/" + result.section('/', 1, 1))))
                + QString::number(!cell_picture(window, clicks.back().digitValue()).isNull())
                + QString::number(child(window, "msgb")->isVisible());
        };
        click_cells(app, clicks);
        QCOMPARE(app.boxes.shown, QList<ShownBox>({{result.section('/', 0, 0), BoxButtons::OkOnly, "Game Ends."}}));
        QCOMPARE(seen, "110");
        const QString sound = "/sounds/" + result.section('/', 2);
        QCOMPARE(app.sounds().last(), sound);  // nothing after it, and only once
        QCOMPARE(app.sounds().count(sound), 1);
        // The finished game is replaced by a fresh, empty window and the program goes on.
        TestApp::settle();
        QVERIFY(window.isNull() && app.window()->isVisible() && app.game().soundon && !app.game().game_running());
        QVERIFY(shown(app.window(), "wonpic").isNull() && shown(app.window(), "p5").isNull());
    }

    void unusable_mark_names_get_a_drawn_mark_data()
    {
        // clang-format off
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::newRow("missing file") << "gone.gif" << "cannot load picture .*gone\\.gif";
        QTest::newRow("not a picture") << "notes.gif" << "cannot load picture .*notes\\.gif";
        QTest::newRow("parent folder") << "../docs/draw.gif" << "not a picture name";
        QTest::newRow("empty name") << "" << "not a picture name";
        // clang-format on
        // clang-format on
    }

    void unusable_mark_names_get_a_drawn_mark()
    {
        QFETCH(QString, name);
        QFETCH(QString, warning);
        TestApp app({{"/mode.txt", kTwo}, {"/playerimg.txt", (name + "\r\n" + name + "\r\n").toUtf8()}});
        app.folder.write("/images/notes.gif", "these are not the pictures you are looking for");
        for (int expected = 0; expected < 5; ++expected)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        trigger(app.window(), "ngame");
        click_cells(app, "12");
        for (const Player player : {Player::Player1, Player::Player2})
            QCOMPARE(cell_picture(app.window(), int(player)),
                     draw_fallback_mark(player).toImage().convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
