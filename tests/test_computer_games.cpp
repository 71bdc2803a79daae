// Games against the computer, played through the real main window.
#include "testsupport.h"

#include "settings/settings.h"

#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

namespace {

// An oracle independent of the game's own referee: does the text hold a whole line?
bool holds_a_line(const QString& moves)
{
    static const char* const lines[] = {"123", "456", "789", "147", "258", "369", "159", "357"};
    return std::any_of(std::begin(lines), std::end(lines), [&](const char* line) {
        return moves.contains(QLatin1Char(line[0])) && moves.contains(QLatin1Char(line[1]))
            && moves.contains(QLatin1Char(line[2]));
    });
}

}  // namespace

class TestComputerGames : public QObject {
    Q_OBJECT

private slots:
    void answers_and_sounds_data();
    void answers_and_sounds();
    void every_game_against_the_computer();
};

void TestComputerGames::answers_and_sounds_data()
{
    // clang-format off
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("sounds");  // after New Game's two, first letters: 1 player1, 2 player2, w won, d draw

    QTest::newRow("computer wins") << "134" << "528" << "21212w";
    QTest::newRow("human wins") << "16897" << "5243" << "21212121w";
    QTest::newRow("full board") << "12769" << "5348" << "21212121d";
    // clang-format on
}

void TestComputerGames::answers_and_sounds()
{
    QFETCH(QString, clicks);
    QFETCH(QString, answers);
    QFETCH(QString, sounds);

    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "true\r\n"}});
    QPointer<main> window = app.window();
    trigger(window, "ngame");
    // The computer's mark is on the board while the turn sound after it plays.
    const QImage computer_mark = picture_file(app.folder.file(settings::kComputerMark));
    QList<int> marked_while_playing;
    app.sound.on_play = [&](const QString& path) {
        if (path.endsWith("player1.wav") && window)
            marked_while_playing << (cell_picture(window, window->game().p2moves.back().digitValue()) == computer_mark);
    };
    click_cells(app, clicks.left(clicks.size() - 1));
    QCOMPARE(app.game().p2moves, answers.left(clicks.size() - 1));
    click_cells(app, clicks.right(1));

    QString heard;
    for (const QString& sound : app.sounds().mid(2))
        heard += sound.at(sound.startsWith("/sounds/player") ? 14 : 8);
    QCOMPARE(heard, sounds);
    QVERIFY(!marked_while_playing.contains(false));
    QCOMPARE(app.boxes.shown.size(), 1);
}

void TestComputerGames::every_game_against_the_computer()
{
    // Each game is played to its end taking the first free cell; the other free cells at
    // every move are games still to play, started from the moves that led there.
    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "False\r\n"}});
    QMap<QString, int> results;
    int human_wins_after_edge_with_centre = 0;
    QStringList pending{""};  // games to play: the moves so far, the last one not yet made
    while (!pending.isEmpty()) {
        QString clicks = pending.takeLast();
        QString next = clicks.right(1);
        clicks.chop(1);
        trigger(app.window(), "ngame");
        QPointer<main> window = app.window();
        click_cells(app, clicks);
        while (window == app.window()) {
            if (next.isEmpty()) {
                for (int cell = 9; cell >= 1; --cell)
                    if (window->game().is_free(cell))
                        next = QString::number(cell) + next;
                for (const QChar other : next.mid(1))
                    pending.append(clicks + other);
                next.truncate(1);
            }
            const qsizetype answers = window->game().p2moves.size();
            click_cells(app, next);
            clicks += next;
            next.clear();
            const QString human = window->game().p1moves;
            const QString computer = window->game().p2moves;
            // One answer per click on a free cell, unless the human's own mark ended the game.
            const bool human_ended_it = holds_a_line(human) || human.size() == 5;
            QVERIFY2(computer.size() == answers + (human_ended_it ? 0 : 1), qPrintable(clicks));
            QVERIFY2(!computer.contains(clicks.back()) && !human.contains(computer.back()), qPrintable(clicks));
            if (window != app.window()) {
                const QString result = app.boxes.shown.last().prompt;
                ++results[result];
                // The closing message names the side that really holds a line.
                const bool right = result == "Player1 Won The Game" ? holds_a_line(human)
                    : result == "Player2 Won The Game"              ? holds_a_line(computer) && !holds_a_line(human)
                                                                    : !holds_a_line(human) && !holds_a_line(computer);
                QVERIFY2(right, qPrintable(clicks + ": " + result));
                human_wins_after_edge_with_centre += result == "Player1 Won The Game" && computer.startsWith('5')
                    && computer.contains(QRegularExpression("[2468]"));
            }
        }
        TestApp::settle();
    }
    QCOMPARE(results,
             (QMap<QString, int>{{"Player2 Won The Game", 360}, {"Player1 Won The Game", 14}, {"Match Drawn", 115}}));
    QCOMPARE(app.boxes.shown.size(), 489);
    QCOMPARE(human_wins_after_edge_with_centre, 14);
}

QTEST_MAIN(TestComputerGames)
#include "test_computer_games.moc"
