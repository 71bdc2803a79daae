// Every game against the computer, played through the real main window.
#include "testsupport.h"

#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

namespace {

// An oracle independent of the game's own referee: does the text hold a whole line?
bool holds_a_line(const QString& moves)
{
    const QStringList lines{"123", "456", "789", "147", "258", "369", "159", "357"};
    return std::ranges::any_of(lines, [&](const QString& line) {
        return std::ranges::all_of(line, [&](QChar cell) { return moves.contains(cell); });
    });
}

// New Game's two sounds, a turn sound after every move but the last, and the result's after that.
QString sounds_of_a_game(qsizetype moves, const QString& result)
{
    QString sounds = "start player1";
    for (qsizetype move = 1; move < moves; ++move)
        sounds += move % 2 ? " player2" : " player1";
    return sounds + (result == "Match Drawn" ? " draw" : result == "Player1 Won The Game" ? " wonp1" : " wonp2");
}

}  // namespace

class TestComputerGames : public QObject {
    Q_OBJECT

private slots:
    void every_game_against_the_computer()
    {
        // Each game is played to its end taking the first free cell; the other free cells at
        // every move are games still to play, started from the moves that led there.
        TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "true\r\n"}});
        QMap<QString, int> results;
        QStringList pending{""};  // games to play: the moves so far, the last one not yet made
        while (!pending.isEmpty()) {
            QString clicks = pending.takeLast();
            QString next = clicks.right(1);
            clicks.chop(1);
            const qsizetype first_sound = app.sound.played.size();
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
                click_cells(app, next);
                clicks += next;
                next.clear();
                if (window != app.window()) {
                    const QString human = window->game().p1moves;
                    const QString computer = window->game().p2moves;
                    const QString result = app.boxes.shown.last().prompt;
                    ++results[result];
                    // The closing message names the side that really holds a line.
                    const bool right = result == "Player1 Won The Game" ? holds_a_line(human)
                        : result == "Player2 Won The Game"              ? holds_a_line(computer) && !holds_a_line(human)
                                                           : !holds_a_line(human) && !holds_a_line(computer);
                    QVERIFY2(right, qPrintable(clicks + ": " + result));
                    QStringList heard;
                    for (const QString& path : app.sound.played.mid(first_sound))
                        heard << QFileInfo(path).baseName();
                    QVERIFY2(heard.join(' ') == sounds_of_a_game(human.size() + computer.size(), result),
                             qPrintable(clicks + ": " + heard.join(' ')));
                }
            }
            TestApp::settle();
        }
        QCOMPARE(
            results,
            (QMap<QString, int>{{"Player2 Won The Game", 360}, {"Player1 Won The Game", 14}, {"Match Drawn", 115}}));
        QCOMPARE(app.boxes.shown.size(), 489);
    }
};

QTEST_MAIN(TestComputerGames)
#include "test_computer_games.moc"
