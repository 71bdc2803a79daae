// The main window: how it starts, its menus, and games between two players.
#include "testsupport.h"

#include "mainwindow/marks.h"
#include "platform/windows.h"
#include "settings/settings.h"

#include <QDir>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

namespace {

QString label_text(const main* window, const char* name)
{
    return child<QLabel>(window, QLatin1String(name))->text();
}

QImage image_named(const QString& name)
{
    return picture_file(settings::image_path(name));
}

QImage drawn(Player player)
{
    return draw_fallback_mark(player).toImage().convertToFormat(QImage::Format_ARGB32);
}

const QByteArray kTwoPlayers("1\r\n"), kComputer("0\r\n"), kOn("true\r\n"), kOff("False\r\n");
const QByteArray kMarks("star.jpeg\r\nheart.ico\r\n");

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { install_font_substitutes(); }
    void cleanup() { TestApp::settle(); }
    void window_is_built_as_designed();
    void start_up_follows_the_files_data();
    void start_up_follows_the_files();
    void sound_switch_data();
    void sound_switch();
    void refused_sound_write_changes_nothing();
    void menu_commands_refused_or_confirmed_data();
    void menu_commands_refused_or_confirmed();
    void new_game_prepares_the_board_data();
    void new_game_prepares_the_board();
    void turn_passes_between_two_players();
    void two_player_game_ends_data();
    void two_player_game_ends();
    void unusable_mark_names_get_a_drawn_mark_data();
    void unusable_mark_names_get_a_drawn_mark();
    void picture_and_sound_changes_wait_for_their_moment();
};

void TestMainWindow::window_is_built_as_designed()
{
    TestApp app;
    main* window = app.window();
    QCOMPARE(window->windowTitle(), "Trivolo By Quenrix");
    QCOMPARE(child(window, "client")->size(), QSize(637, 513));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    // The board: nine cells 136 pixels apart, the grid lines between them, not over them.
    for (int cell = 1; cell <= 9; ++cell) {
        const QRect box = child(window, QStringLiteral("p%1").arg(cell))->geometry();
        QCOMPARE(box, QRect(224 + (cell - 1) % 3 * 136, 16 + (cell - 1) / 3 * 136, 120, 121));
        for (const char* line : {"Line1", "Line2", "Line3", "Line4"})
            QVERIFY(!box.intersects(child(window, QLatin1String(line))->geometry()));
    }
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        QStringList items;
        for (QAction* item : menu->menu()->actions())
            items << item->objectName() + "=" + item->text() + "=" + item->shortcut().toString();
        menus << menu->text() + "[" + items.join(", ") + "]";
    }
    QCOMPARE(
        menus,
        QStringList({"Game[ngame=New Game=Ctrl+N, gmode=Game Mode=Ctrl+M, exit=Quit=Del]",
                     "Sound[on=On=Ctrl+F1, Off=Off=Ctrl+F2]", "Image[playerimg1=Player1=F1, playerimg2=Player2=F2]",
                     "Help[Guide=Guide=Ctrl+H, readme=Read Me=Ctrl+R]"}));
    QCOMPARE(child(window, "msgb")->palette().color(QPalette::WindowText),
             QGuiApplication::palette().color(QPalette::Highlight));

    // The pictures shown at creation are compiled in: even a folder without pictures shows them.
    QDir(app.folder.path() + "/docs").removeRecursively();
    app.owner.reload();
    const auto size_of = [&](const char* name) { return picture_of(child(app.window(), name)).size(); };
    QCOMPARE(size_of("Picture1"), QSize(200, 80));
    QCOMPARE(size_of("howpic"), QSize(195, 208));
    QCOMPARE(size_of("playerlevel"), QSize(200, 80));
}

void TestMainWindow::start_up_follows_the_files_data()
{
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("slevel");
    QTest::addColumn<QString>("second_side");

    QTest::newRow("on, computer") << kOn << kComputer << "ON"
                                  << "Computer";
    QTest::newRow("unterminated") << QByteArray("true") << QByteArray("0") << "ON"
                                  << "Computer";
    QTest::newRow("False, 1") << kOff << kTwoPlayers << "OFF"
                              << "Player2";
    QTest::newRow("capital T, blank after 0") << QByteArray("True\r\n") << QByteArray("0 \r\n") << "OFF"
                                              << "Player2";
    QTest::newRow("empty files") << QByteArray() << QByteArray() << "OFF"
                                 << "Player2";
}

void TestMainWindow::start_up_follows_the_files()
{
    QFETCH(QByteArray, sound);
    QFETCH(QByteArray, mode);
    QFETCH(QString, slevel);
    QFETCH(QString, second_side);

    TestApp app({{"/sound.txt", sound}, {"/mode.txt", mode}});
    app.window()->setWindowState(Qt::WindowMinimized);
    app.owner.reload();  // a fresh window comes up restored, whatever the old one was
    main* window = app.window();
    QVERIFY(!(window->windowState() & Qt::WindowMinimized));
    QCOMPARE(label_text(window, "slevel"), slevel);
    QCOMPARE(window->game().soundon, slevel == "ON");
    QCOMPARE(label_text(window, "modeshow") + " " + label_text(window, "modeshow1"), "Player1 " + second_side);
    const QRect screen = window->screen()->geometry();
    const QSize size = window->frameGeometry().size();  // the whole frame is centred
    QCOMPARE(window->frameGeometry().topLeft(),
             QPoint(qRound((screen.width() - size.width()) / 2.0), qRound((screen.height() - size.height()) / 2.0)));
    // No game yet: clicks on the board change nothing.
    click_cells(app, "123456789");
    QVERIFY(cell_picture(window, 1).isNull() && window->game().lastcell.isEmpty());
    QVERIFY(app.sound.played.isEmpty() && app.boxes.shown.isEmpty());
}

void TestMainWindow::sound_switch_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("off when on") << kOn << "Off"
                                 << "Sound Is Now OFF." << kOff;
    QTest::newRow("off when empty") << QByteArray() << "Off"
                                    << "Sound Is Already OFF." << QByteArray();
    QTest::newRow("on when off") << kOff << "on"
                                 << "Sound Is Now On." << kOn;
    QTest::newRow("on when True") << QByteArray("True\r\n") << "on"
                                  << "Sound Is Now On." << kOn;
    QTest::newRow("on when on") << QByteArray("true\n") << "on"
                                << "Sound Is Already On." << QByteArray("true\n");
}

void TestMainWindow::sound_switch()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(QByteArray, after);

    TestApp app({{"/sound.txt", before}});
    const bool on = command == "on";
    QString label_while_box_open;
    app.boxes.on_show = [&](const ShownBox&) { label_while_box_open = label_text(app.window(), "slevel"); };
    trigger(app.window(), qPrintable(command));

    QCOMPARE(app.boxes.shown, QList<ShownBox>({{message, BoxButtons::OkOnly, "Sound Information"}}));
    QCOMPARE(app.folder.read("/sound.txt"), after);
    QCOMPARE(label_while_box_open, on ? "ON" : "OFF");
    QCOMPARE(app.game().soundon, on);
}

void TestMainWindow::refused_sound_write_changes_nothing()
{
    for (const auto& [before, command] : {std::pair{kOn, "Off"}, std::pair{kOff, "on"}}) {
        TestApp app({{"/sound.txt", before}});
        {
            RefusedWrites full_disk;
            trigger(app.window(), command);
        }
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(app.boxes.shown[0].title, "Setting Not Saved");
        QVERIFY2(app.boxes.shown[0].prompt.contains(app.folder.file("/sound.txt")),
                 qPrintable(app.boxes.shown[0].prompt));
        QCOMPARE(app.folder.read("/sound.txt"), before);
        QCOMPARE(label_text(app.window(), "slevel"), before == kOn ? "ON" : "OFF");
        QCOMPARE(app.game().soundon, before == kOn);
    }
}

void TestMainWindow::menu_commands_refused_or_confirmed_data()
{
    QTest::addColumn<bool>("in_game");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QList<ShownBox>>("boxes");
    QTest::addColumn<bool>("fresh_window");  // the window was replaced
    QTest::addColumn<QString>("document");

    const auto box = [](const char* prompt, BoxButtons buttons, const char* title) {
        return QList<ShownBox>{{prompt, buttons, title}};
    };
    const auto quit = box("Are You Sure To Quit This Game ?", BoxButtons::YesNo, "Quit Confirmation");
    QTest::newRow("Quit without a game") << false << "exit"
                                         << box("No Game To Quit. Start New Game First.", BoxButtons::OkOnly,
                                                "Game Not Found")
                                         << false << "";
    QTest::newRow("Quit, No") << true << "exit" << quit << false << "";
    QTest::newRow("Quit, Yes") << true << "exit" << quit << true << "";
    QTest::newRow("New Game in a game") << true << "ngame"
                                        << box("First Quit This Game, Then Start New Game.", BoxButtons::OkInformation,
                                               "Cannot start New Game Now.")
                                        << false << "";
    QTest::newRow("Game Mode in a game") << true << "gmode"
                                         << box("First Quit This Game, Then Change Mode", BoxButtons::OkInformation,
                                                "Cannot Change Game Mode Now.")
                                         << false << "";
    QTest::newRow("Guide") << true << "Guide" << QList<ShownBox>{} << false << "/Help.CHM";
    QTest::newRow("Read Me") << false << "readme" << QList<ShownBox>{} << false << "/README.txt";
}

void TestMainWindow::menu_commands_refused_or_confirmed()
{
    QFETCH(bool, in_game);
    QFETCH(QString, command);
    QFETCH(QList<ShownBox>, boxes);
    QFETCH(bool, fresh_window);
    QFETCH(QString, document);

    TestApp app({{"/mode.txt", kTwoPlayers}, {"/sound.txt", kOn}});
    QPointer<main> window = app.window();
    if (in_game) {
        trigger(window, "ngame");
        click_cells(app, "5");
    }
    const QStringList sounds = app.sounds();
    app.folder.remove("/menu.txt");
    app.boxes.answers = {QTest::currentDataTag() == QLatin1String("Quit, No") ? BoxAnswer::No : BoxAnswer::Yes};
    trigger(window, qPrintable(command));
    TestApp::settle();

    QCOMPARE(app.boxes.shown, boxes);
    QCOMPARE(window.isNull(), fresh_window);
    QCOMPARE(app.documents.opened, document.isEmpty() ? QStringList() : QStringList{app.folder.file(document)});
    QCOMPARE(app.sounds(), sounds);
    QVERIFY(!QFile::exists(app.folder.file("/menu.txt")));
    QVERIFY(app.window()->isVisible() && app.window()->isEnabled());
    QCOMPARE(app.game().p1moves, in_game && !fresh_window ? "5" : "");
    QCOMPARE(cell_picture(app.window(), 5).isNull(), !in_game || fresh_window);
}

void TestMainWindow::new_game_prepares_the_board_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QString>("sides");
    QTest::addColumn<QString>("message");

    QTest::newRow("computer, sound on") << kComputer << kOn << "Player1 Computer"
                                        << "";
    QTest::newRow("two players, sound off") << QByteArray("2\r\n") << kOff << "Player1 Player2"
                                            << "Now Player1";
}

void TestMainWindow::new_game_prepares_the_board()
{
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, sound);
    QFETCH(QString, sides);
    QFETCH(QString, message);

    TestApp app({{"/mode.txt", kTwoPlayers}, {"/sound.txt", sound}, {"/playerimg.txt", kMarks}});
    app.folder.write("/mode.txt", mode);  // New Game reads the mode again
    app.folder.remove("/menu.txt");
    main* window = app.window();
    trigger(window, "ngame");

    QVERIFY(!child(window, "howpic")->isVisible() && picture_of(child(window, "howpic")).isNull());
    QCOMPARE(picture_of(child(window, "playerpics")), image_named("star.jpeg"));
    QCOMPARE(picture_of(child(window, "playerlevel")), picture_file(app.folder.file("/docs/player1.gif")));
    QCOMPARE(label_text(window, "modeshow") + " " + label_text(window, "modeshow1"), sides);
    QCOMPARE(label_text(window, "msgb"), message);
    QCOMPARE(app.sounds(), sound == kOn ? QStringList({"/sounds/start.wav", "/sounds/player1.wav"}) : QStringList());
    QCOMPARE(app.folder.read("/menu.txt"), QByteArray("false\r\n"));
    QVERIFY(app.boxes.shown.isEmpty());
    QVERIFY(app.game().game_running());

    // A refused write of the marker does not stop the next game.
    app.boxes.answers = {BoxAnswer::Yes};
    trigger(window, "exit");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save .*/menu\\.txt"));
    {
        RefusedWrites full_disk;
        trigger(app.window(), "ngame");
    }
    click_cells(app, "1");
    QCOMPARE(app.game().p1moves, "1");
    QCOMPARE(app.boxes.shown.size(), 1);
}

void TestMainWindow::turn_passes_between_two_players()
{
    TestApp app({{"/mode.txt", kTwoPlayers}, {"/sound.txt", kOn}, {"/playerimg.txt", kMarks}});
    main* window = app.window();
    trigger(window, "ngame");
    const QImage star = image_named("star.jpeg");
    const QImage heart = image_named("heart.ico");

    // The mark is on the board while the turn sound plays.
    QImage cell_during_sound;
    app.sound.on_play = [&](const QString&) { cell_during_sound = cell_picture(window, 5); };
    click_cells(app, "5");
    QCOMPARE(cell_during_sound, star);
    QCOMPARE(picture_of(child(window, "playerpics")), heart);
    QCOMPARE(picture_of(child(window, "playerlevel")), picture_file(app.folder.file("/docs/player2.gif")));
    QCOMPARE(label_text(window, "msgb"), "Now Player2");

    app.sound.on_play = {};
    click_cells(app, "355");  // a taken cell ignores clicks
    QCOMPARE(cell_picture(window, 3), heart);
    QCOMPARE(picture_of(child(window, "playerpics")), star);
    QCOMPARE(label_text(window, "msgb"), "Now Player1");
    QCOMPARE(app.sounds().mid(2), QStringList({"/sounds/player2.wav", "/sounds/player1.wav"}));
    QCOMPARE(app.game().p1moves + "|" + app.game().p2moves, "5|3");
}

void TestMainWindow::two_player_game_ends_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("result");  // the picture and the sound

    QTest::newRow("Player1 wins") << "14253"
                                  << "Player1 Won The Game"
                                  << "player1win.gif wonp1.wav";
    QTest::newRow("Player2 wins") << "142596"
                                  << "Player2 Won The Game"
                                  << "player2win.gif wonp2.wav";
    QTest::newRow("full board") << "123584697"
                                << "Match Drawn"
                                << "draw.gif draw.wav";
    QTest::newRow("win with the ninth mark") << "123546897"
                                             << "Player1 Won The Game"
                                             << "player1win.gif wonp1.wav";
    QTest::newRow("two lines at once") << "253648791"
                                       << "Player1 Won The Game"
                                       << "player1win.gif wonp1.wav";
}

void TestMainWindow::two_player_game_ends()
{
    QFETCH(QString, clicks);
    QFETCH(QString, message);
    QFETCH(QString, result);

    TestApp app({{"/mode.txt", kTwoPlayers}, {"/sound.txt", kOn}});
    QPointer<main> window = app.window();
    trigger(window, "ngame");
    // What the player sees while the closing message is open.
    QImage result_picture, last_mark;
    bool turn_message_visible = true;
    app.boxes.on_show = [&](const ShownBox&) {
        result_picture = picture_of(child(window, "wonpic"));
        last_mark = cell_picture(window, clicks.back().digitValue());
        turn_message_visible = child(window, "msgb")->isVisible();
    };
    click_cells(app, clicks);

    QCOMPARE(app.boxes.shown, QList<ShownBox>({{message, BoxButtons::OkOnly, "Game Ends."}}));
    QCOMPARE(result_picture, picture_file(app.folder.file("/docs/" + result.section(' ', 0, 0))));
    QVERIFY(!last_mark.isNull() && !turn_message_visible);
    const QString sound = "/sounds/" + result.section(' ', 1);
    QCOMPARE(app.sounds().last(), sound);  // nothing after it, and only once
    QCOMPARE(app.sounds().count(sound), 1);

    // The finished game is replaced by a fresh, empty window and the program goes on.
    TestApp::settle();
    QVERIFY(window.isNull() && app.window()->isVisible());
    QVERIFY(app.game().soundon && !app.game().game_running());
    QVERIFY(picture_of(child(app.window(), "wonpic")).isNull() && cell_picture(app.window(), 5).isNull());
}

void TestMainWindow::unusable_mark_names_get_a_drawn_mark_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");

    QTest::newRow("missing file") << "gone.gif"
                                  << "cannot load picture .*gone\\.gif";
    QTest::newRow("not a picture") << "notes.gif"
                                   << "cannot load picture .*notes\\.gif";
    QTest::newRow("parent folder") << "../docs/draw.gif"
                                   << "not a picture name";
    QTest::newRow("empty name") << ""
                                << "not a picture name";
}

void TestMainWindow::unusable_mark_names_get_a_drawn_mark()
{
    QFETCH(QString, name);
    QFETCH(QString, warning);

    TestApp app({{"/mode.txt", kTwoPlayers}, {"/playerimg.txt", (name + "\r\n" + name + "\r\n").toUtf8()}});
    app.folder.write("/images/notes.gif", "these are not the pictures you are looking for");
    for (int expected = 0; expected < 5; ++expected)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    trigger(app.window(), "ngame");
    click_cells(app, "12");
    QCOMPARE(cell_picture(app.window(), 1), drawn(Player::Player1));
    QCOMPARE(cell_picture(app.window(), 2), drawn(Player::Player2));
}

void TestMainWindow::picture_and_sound_changes_wait_for_their_moment()
{
    TestApp app({{"/mode.txt", kTwoPlayers}, {"/sound.txt", kOn}, {"/playerimg.txt", kMarks}});
    trigger(app.window(), "ngame");
    // A picture chosen during a game shows from the next game on; the sound switch at once.
    app.folder.write("/playerimg.txt", "heart.ico\r\nstar.jpeg\r\n");
    trigger(app.window(), "Off");
    const qsizetype heard = app.sound.played.size();
    click_cells(app, "12");
    QCOMPARE(app.sound.played.size(), heard);
    QCOMPARE(cell_picture(app.window(), 1), image_named("star.jpeg"));
    trigger(app.window(), "on");
    click_cells(app, "3");
    QCOMPARE(app.sounds().last(), "/sounds/player2.wav");

    app.boxes.answers = {BoxAnswer::Yes};
    trigger(app.window(), "exit");
    trigger(app.window(), "ngame");
    click_cells(app, "1");
    QCOMPARE(cell_picture(app.window(), 1), image_named("heart.ico"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
