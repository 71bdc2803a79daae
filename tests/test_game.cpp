// Starting, playing and leaving games in the main window, mostly between two players.
#include "testsupport.h"

#include "platform/pictures.h"
#include "settings/settings.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

namespace {

QString cell_name(int cell)
{
    return QStringLiteral("p%1").arg(cell);
}

QImage cell_picture(const main* window, int cell)
{
    return picture_of(child(window, qPrintable(cell_name(cell))));
}

QImage image_named(const QString& name)
{
    return picture_file(settings::image_file(name));
}

QImage drawn(FallbackMark shape)
{
    return draw_fallback_mark(shape).toImage().convertToFormat(QImage::Format_ARGB32);
}

void click_all(const TestApp& app, const QString& clicks)
{
    for (const QChar click : clicks)
        click_cell(app.window(), click.digitValue());
}

}  // namespace

class TestGame : public QObject {
    Q_OBJECT

private slots:
    void new_game_prepares_the_board_data();
    void new_game_prepares_the_board();
    void new_game_is_refused_while_a_game_runs();
    void new_game_survives_a_refused_menu_write();
    void quit_without_a_game();
    void quit_answered_no_keeps_the_game();
    void quit_answered_yes_brings_a_fresh_window();
    void game_mode_is_refused_while_a_game_runs();
    void turn_passes_between_two_players();
    void taken_cells_ignore_clicks();
    void two_player_game_ends_data();
    void two_player_game_ends();
    void sound_off_silences_the_game();
    void switching_sound_off_during_a_game();
    void picture_choice_waits_for_the_next_game();
    void unusable_mark_names_get_a_drawn_mark_data();
    void unusable_mark_names_get_a_drawn_mark();
    void missing_computer_and_status_pictures();
};

void TestGame::new_game_prepares_the_board_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QByteArray>("sound");
    QTest::addColumn<QString>("second_side");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("sounds");

    const QStringList greeting{"/sounds/start.wav", "/sounds/player1.wav"};
    QTest::newRow("computer, sound on") << QByteArray("0\r\n") << QByteArray("true\r\n") << "Computer" << "" << greeting;
    QTest::newRow("two players, sound on") << QByteArray("1\r\n") << QByteArray("true\r\n") << "Player2" << "Now Player1" << greeting;
    QTest::newRow("two players, sound off") << QByteArray("2\r\n") << QByteArray("False\r\n") << "Player2" << "Now Player1" << QStringList();
}

void TestGame::new_game_prepares_the_board()
{
    QFETCH(QByteArray, mode);
    QFETCH(QByteArray, sound);
    QFETCH(QString, second_side);
    QFETCH(QString, message);
    QFETCH(QStringList, sounds);

    TestApp app({{"/mode.txt", mode}, {"/sound.txt", sound}, {"/playerimg.txt", "star.jpeg\r\nheart.ico\r\n"}});
    app.folder.remove("/menu.txt");
    main* window = app.window();
    trigger(window, "ngame");

    QVERIFY(child(window, "playerpics")->isVisible());
    QVERIFY(child(window, "playerlevel")->isVisible());
    QVERIFY(!child(window, "howpic")->isVisible());
    QVERIFY(picture_of(child(window, "howpic")).isNull());
    QCOMPARE(picture_of(child(window, "playerpics")), image_named("star.jpeg"));
    QCOMPARE(picture_of(child(window, "playerlevel")), picture_file(app.folder.file("/docs/player1.gif")));
    QCOMPARE(child<QLabel>(window, "modeshow")->text(), "Player1");
    QCOMPARE(child<QLabel>(window, "modeshow1")->text(), second_side);
    QCOMPARE(child<QLabel>(window, "msgb")->text(), message);
    QCOMPARE(app.sounds(), sounds);
    QCOMPARE(app.folder.read("/menu.txt"), QByteArray("false\r\n"));
    QVERIFY(app.boxes.shown.isEmpty());

    QCOMPARE(MainWindowProbe::gamestate(*window), 1);
    QCOMPARE(MainWindowProbe::turn(*window), 1);
    QCOMPARE(MainWindowProbe::p1img(*window), "star.jpeg");
    QCOMPARE(MainWindowProbe::p2img(*window), "heart.ico");
    QCOMPARE(MainWindowProbe::mode(*window), QString::fromLatin1(mode.chopped(2)));
    QCOMPARE(MainWindowProbe::winlines(*window), rules::standard_win_lines());
    for (int cell = 1; cell <= 9; ++cell) {
        QVERIFY(MainWindowProbe::free(*window, cell));
        QVERIFY(cell_picture(window, cell).isNull());
    }
}

void TestGame::new_game_is_refused_while_a_game_runs()
{
    TestApp app({{"/mode.txt", "1\r\n"}});
    main* window = app.window();
    trigger(window, "ngame");
    click_cell(window, 5);
    app.folder.remove("/menu.txt");
    const QStringList sounds = app.sounds();

    trigger(window, "ngame");
    QCOMPARE(app.boxes.shown, QList<ShownBox>({{"First Quit This Game, Then Start New Game.", OkInformation, "Cannot start New Game Now."}}));
    QCOMPARE(app.window(), window);
    QCOMPARE(MainWindowProbe::p1moves(*window), "5");
    QCOMPARE(MainWindowProbe::turn(*window), 2);
    QVERIFY(!cell_picture(window, 5).isNull());
    QCOMPARE(app.sounds(), sounds);
    QVERIFY(!QFile::exists(app.folder.file("/menu.txt")));
}

void TestGame::new_game_survives_a_refused_menu_write()
{
    TestApp app({{"/mode.txt", "1\r\n"}, {"/sound.txt", "False\r\n"}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Could not save .*/menu\\.txt"));
    {
        RefusedWrites full_disk;
        trigger(app.window(), "ngame");
    }
    QVERIFY(app.boxes.shown.isEmpty());
    QCOMPARE(MainWindowProbe::gamestate(*app.window()), 1);
    click_cell(app.window(), 1);
    QCOMPARE(MainWindowProbe::p1moves(*app.window()), "1");
}

void TestGame::quit_without_a_game()
{
    TestApp app;
    main* window = app.window();
    trigger(window, "exit");
    QCOMPARE(app.boxes.shown, QList<ShownBox>({{"No Game To Quit. Start New Game First.", OkOnly, "Game Not Found"}}));
    QCOMPARE(app.window(), window);
}

void TestGame::quit_answered_no_keeps_the_game()
{
    TestApp app({{"/mode.txt", "1\r\n"}});
    main* window = app.window();
    trigger(window, "ngame");
    click_all(app, "19");
    app.boxes.answers = {AnswerNo};
    trigger(window, "exit");

    QCOMPARE(app.boxes.shown, QList<ShownBox>({{"Are You Sure To Quit This Game ?", YesNo, "Quit Confirmation"}}));
    QCOMPARE(app.window(), window);
    QCOMPARE(MainWindowProbe::turn(*window), 1);
    QCOMPARE(MainWindowProbe::p1moves(*window), "1");
    QCOMPARE(MainWindowProbe::p2moves(*window), "9");
    QCOMPARE(child<QLabel>(window, "msgb")->text(), "Now Player1");
}

void TestGame::quit_answered_yes_brings_a_fresh_window()
{
    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "true\r\n"}});
    QPointer<main> old_window = app.window();
    trigger(old_window, "ngame");
    click_cell(old_window, 1);
    app.boxes.answers = {AnswerYes};
    trigger(old_window, "exit");

    main* fresh = app.window();
    QVERIFY(fresh != old_window);
    QVERIFY(fresh->isVisible());
    QVERIFY(!old_window->isVisible());
    TestApp::settle();
    QVERIFY(old_window.isNull());
    QCOMPARE(MainWindowProbe::gamestate(*fresh), 0);
    QCOMPARE(MainWindowProbe::p1moves(*fresh), "");
    QVERIFY(MainWindowProbe::soundon(*fresh));
    QCOMPARE(child<QLabel>(fresh, "modeshow1")->text(), "Computer");
    QVERIFY(cell_picture(fresh, 1).isNull());

    trigger(fresh, "ngame");
    QCOMPARE(MainWindowProbe::gamestate(*fresh), 1);
    QCOMPARE(app.boxes.shown.size(), 1);
}

void TestGame::game_mode_is_refused_while_a_game_runs()
{
    TestApp app;
    trigger(app.window(), "ngame");
    const QWidgetList before = QApplication::topLevelWidgets();
    trigger(app.window(), "gmode");
    QCOMPARE(app.boxes.shown, QList<ShownBox>({{"First Quit This Game, Then Change Mode", OkInformation, "Cannot Change Game Mode Now."}}));
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QVERIFY(app.window()->isEnabled());
}

void TestGame::turn_passes_between_two_players()
{
    TestApp app({{"/mode.txt", "1\r\n"}, {"/sound.txt", "true\r\n"}, {"/playerimg.txt", "star.jpeg\r\nheart.ico\r\n"}});
    main* window = app.window();
    trigger(window, "ngame");
    const QImage star = image_named("star.jpeg");
    const QImage heart = image_named("heart.ico");

    // The mark is on the board while the turn sound plays.
    QImage cell_during_sound;
    app.sound.on_play = [&](const QString&) { cell_during_sound = cell_picture(window, 5); };
    click_cell(window, 5);
    QCOMPARE(cell_picture(window, 5), star);
    QCOMPARE(cell_during_sound, star);
    QCOMPARE(picture_of(child(window, "playerpics")), heart);
    QCOMPARE(picture_of(child(window, "playerlevel")), picture_file(app.folder.file("/docs/player2.gif")));
    QCOMPARE(child<QLabel>(window, "msgb")->text(), "Now Player2");
    QCOMPARE(app.sounds().last(), "/sounds/player2.wav");
    QCOMPARE(MainWindowProbe::turn(*window), 2);
    QCOMPARE(MainWindowProbe::lastcell(*window), "5");
    QVERIFY(!MainWindowProbe::free(*window, 5));

    app.sound.on_play = {};
    click_cell(window, 3);
    QCOMPARE(cell_picture(window, 3), heart);
    QCOMPARE(picture_of(child(window, "playerpics")), star);
    QCOMPARE(picture_of(child(window, "playerlevel")), picture_file(app.folder.file("/docs/player1.gif")));
    QCOMPARE(child<QLabel>(window, "msgb")->text(), "Now Player1");
    QCOMPARE(app.sounds().mid(2), QStringList({"/sounds/player2.wav", "/sounds/player1.wav"}));
    QCOMPARE(MainWindowProbe::turn(*window), 1);
    QCOMPARE(MainWindowProbe::p1moves(*window), "5");
    QCOMPARE(MainWindowProbe::p2moves(*window), "3");
    QCOMPARE(MainWindowProbe::gamestate(*window), 1);
}

void TestGame::taken_cells_ignore_clicks()
{
    for (const QByteArray& mode : {QByteArray("0\r\n"), QByteArray("1\r\n")}) {
        TestApp app({{"/mode.txt", mode}, {"/sound.txt", "true\r\n"}});
        main* window = app.window();
        trigger(window, "ngame");
        click_cell(window, 1);
        const QStringList sounds = app.sounds();
        const QString p1moves = MainWindowProbe::p1moves(*window);
        const QString p2moves = MainWindowProbe::p2moves(*window);
        const int turn = MainWindowProbe::turn(*window);
        const QImage mark = cell_picture(window, 1);

        click_cell(window, 1);
        click_cell(window, 1);
        QCOMPARE(app.sounds(), sounds);
        QCOMPARE(MainWindowProbe::p1moves(*window), p1moves);
        QCOMPARE(MainWindowProbe::p2moves(*window), p2moves);
        QCOMPARE(MainWindowProbe::turn(*window), turn);
        QCOMPARE(cell_picture(window, 1), mark);
        if (mode.startsWith('0')) {  // the computer's cell is taken too
            click_cell(window, 5);
            QCOMPARE(MainWindowProbe::p1moves(*window), p1moves);
        }
    }
}

void TestGame::two_player_game_ends_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("sound");

    QTest::newRow("Player1 wins") << "14253" << "Player1 Won The Game" << "/docs/player1win.gif" << "/sounds/wonp1.wav";
    QTest::newRow("Player2 wins") << "142596" << "Player2 Won The Game" << "/docs/player2win.gif" << "/sounds/wonp2.wav";
    QTest::newRow("full board") << "123584697" << "Match Drawn" << "/docs/draw.gif" << "/sounds/draw.wav";
    QTest::newRow("win with the ninth mark") << "123546897" << "Player1 Won The Game" << "/docs/player1win.gif" << "/sounds/wonp1.wav";
    QTest::newRow("two lines at once") << "253648791" << "Player1 Won The Game" << "/docs/player1win.gif" << "/sounds/wonp1.wav";
}

void TestGame::two_player_game_ends()
{
    QFETCH(QString, clicks);
    QFETCH(QString, message);
    QFETCH(QString, picture);
    QFETCH(QString, sound);

    TestApp app({{"/mode.txt", "1\r\n"}, {"/sound.txt", "true\r\n"}});
    QPointer<main> window = app.window();
    trigger(window, "ngame");
    const int last_cell = clicks.back().digitValue();

    // What the player sees while the closing message is open.
    QImage result_picture;
    QImage last_mark;
    bool turn_message_visible = true;
    app.boxes.on_show = [&](const ShownBox&) {
        result_picture = picture_of(child(window, "wonpic"));
        last_mark = cell_picture(window, last_cell);
        turn_message_visible = child(window, "msgb")->isVisible();
    };
    click_all(app, clicks);

    QCOMPARE(app.boxes.shown, QList<ShownBox>({{message, OkOnly, "Game Ends."}}));
    QCOMPARE(result_picture, picture_file(app.folder.file(picture)));
    QVERIFY(!last_mark.isNull());
    QVERIFY(!turn_message_visible);
    QCOMPARE(app.sounds().last(), sound);
    QCOMPARE(app.sounds().count(sound), 1);

    // The finished game is replaced by a fresh, empty window and the program goes on.
    main* fresh = app.window();
    QVERIFY(fresh != window);
    QVERIFY(fresh->isVisible());
    TestApp::settle();
    QVERIFY(window.isNull());
    QVERIFY(MainWindowProbe::soundon(*fresh));
    QCOMPARE(MainWindowProbe::gamestate(*fresh), 0);
    QVERIFY(picture_of(child(fresh, "wonpic")).isNull());
    for (int cell = 1; cell <= 9; ++cell)
        QVERIFY(cell_picture(fresh, cell).isNull());
    click_cell(fresh, 1);
    QCOMPARE(MainWindowProbe::p1moves(*fresh), "");
    QCOMPARE(app.boxes.shown.size(), 1);
}

void TestGame::sound_off_silences_the_game()
{
    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "False\r\n"}});
    trigger(app.window(), "ngame");
    click_all(app, "134");
    QCOMPARE(app.boxes.shown.size(), 1);
    QVERIFY(app.sound.played.isEmpty());
}

void TestGame::switching_sound_off_during_a_game()
{
    TestApp app({{"/mode.txt", "1\r\n"}, {"/sound.txt", "true\r\n"}});
    main* window = app.window();
    trigger(window, "ngame");
    click_cell(window, 1);
    const qsizetype heard = app.sound.played.size();
    trigger(window, "Off");
    click_all(app, "24");
    QCOMPARE(app.sound.played.size(), heard);
    trigger(window, "on");
    click_cell(window, 5);
    QCOMPARE(app.sounds().last(), "/sounds/player1.wav");
}

void TestGame::picture_choice_waits_for_the_next_game()
{
    TestApp app({{"/mode.txt", "1\r\n"}, {"/playerimg.txt", "star.jpeg\r\nheart.ico\r\n"}});
    main* window = app.window();
    trigger(window, "ngame");
    app.folder.write("/playerimg.txt", "heart.ico\r\nstar.jpeg\r\n");
    click_all(app, "12");
    QCOMPARE(cell_picture(window, 1), image_named("star.jpeg"));
    QCOMPARE(cell_picture(window, 2), image_named("heart.ico"));

    app.boxes.answers = {AnswerYes};
    trigger(window, "exit");
    trigger(app.window(), "ngame");
    click_cell(app.window(), 1);
    QCOMPARE(cell_picture(app.window(), 1), image_named("heart.ico"));
}

void TestGame::unusable_mark_names_get_a_drawn_mark_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");

    QTest::newRow("missing file") << "gone.gif" << "cannot load picture .*gone\\.gif";
    QTest::newRow("not a picture") << "notes.gif" << "cannot load picture .*notes\\.gif";
    QTest::newRow("parent folder") << "../docs/draw.gif" << "not a picture name";
    QTest::newRow("absolute path") << "/etc/hostname" << "not a picture name";
    QTest::newRow("empty name") << "" << "not a picture name";
}

void TestGame::unusable_mark_names_get_a_drawn_mark()
{
    QFETCH(QString, name);
    QFETCH(QString, warning);

    TestApp app({{"/mode.txt", "1\r\n"}, {"/playerimg.txt", (name + "\r\n" + name + "\r\n").toUtf8()}});
    app.folder.write("/images/notes.gif", "these are not the pictures you are looking for");
    main* window = app.window();
    for (int expected = 0; expected < 3; ++expected)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    trigger(window, "ngame");  // Player1's mark in the side panel
    click_cell(window, 1);     // Player1's mark on the board, then Player2's in the side panel
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    click_cell(window, 2);

    QCOMPARE(cell_picture(window, 1), drawn(FallbackMark::Cross));
    QCOMPARE(cell_picture(window, 2), drawn(FallbackMark::Ring));
    QCOMPARE(MainWindowProbe::p2moves(*window), "2");
}

void TestGame::missing_computer_and_status_pictures()
{
    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "False\r\n"}});
    for (const char* name : {"/docs/computer.jpeg", "/docs/player1.gif", "/docs/player2.gif", "/docs/player2win.gif"})
        app.folder.remove(name);
    QTest::failOnWarning(QRegularExpression("^(?!cannot load picture)"));
    QPointer<main> window = app.window();
    trigger(window, "ngame");
    QVERIFY(picture_of(child(window, "playerlevel")).isNull());
    click_cell(window, 1);
    QCOMPARE(cell_picture(window, 5), drawn(FallbackMark::Ring));
    click_all(app, "34");  // the computer completes 2, 5, 8
    QCOMPARE(app.boxes.shown.last().prompt, "Player2 Won The Game");
    QVERIFY(app.window() != window);
}

QTEST_MAIN(TestGame)
#include "test_game.moc"
