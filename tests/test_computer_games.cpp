// Games against the computer, played through the real main window.
#include "testsupport.h"

#include "settings/settings.h"

#include <QTest>

using namespace trivolo;
using namespace trivolo::test;

namespace {

// How a sequence of human clicks went.
struct Replay {
    bool ended = false;
    QString result;         // the closing message, when the game ended
    QString computer;       // the computer's cells in the order taken
    QString human;
    QList<int> free_cells;  // when the game goes on
};

// An oracle independent of the game's own referee: does the text hold a whole line?
bool holds_a_line(const QString& moves)
{
    static const char* const lines[] = {"123", "456", "789", "147", "258", "369", "159", "357"};
    for (const char* line : lines)
        if (moves.contains(QLatin1Char(line[0])) && moves.contains(QLatin1Char(line[1]))
            && moves.contains(QLatin1Char(line[2])))
            return true;
    return false;
}

}  // namespace

class TestComputerGames : public QObject {
    Q_OBJECT

private slots:
    void worked_examples_data();
    void worked_examples();
    void every_game_against_the_computer();

private:
    // Starts a game in the current window and clicks the cells in order, checking
    // every answer of the computer on the way.
    Replay replay(TestApp& app, const QString& clicks);
};

Replay TestComputerGames::replay(TestApp& app, const QString& clicks)
{
    Replay replay;
    main* window = app.window();
    trigger(window, "ngame");
    const QImage computer_mark = picture_file(app.folder.file(settings::kComputerMark));
    const qsizetype boxes_before = app.boxes.shown.size();

    for (const QChar click : clicks) {
        const QString before = MainWindowProbe::p2moves(*window);
        const int cell = click.digitValue();
        [&] { QVERIFY2(MainWindowProbe::free(*window, cell), qPrintable(clicks)); }();
        click_cell(window, cell);
        const QString after = MainWindowProbe::p2moves(*window);
        replay.ended = app.window() != window;
        replay.human = MainWindowProbe::p1moves(*window);
        replay.computer = after;

        // One answer per click, on a free cell showing the computer's mark, unless the
        // human's own mark ended the game.
        const bool human_ended_it = replay.ended && (holds_a_line(replay.human) || replay.human.size() == 5);
        const int answers = human_ended_it ? 0 : 1;
        [&] {
            QVERIFY2(after.size() == before.size() + answers, qPrintable(clicks));
            if (answers == 1) {
                const int answer = after.back().digitValue();
                QVERIFY2(!replay.human.contains(after.back()) && !before.contains(after.back()), qPrintable(clicks));
                QVERIFY2(picture_of(child(window, qPrintable(QStringLiteral("p%1").arg(answer)))) == computer_mark,
                         qPrintable(clicks));
            }
        }();
        if (replay.ended)
            break;
    }

    if (replay.ended) {
        replay.result = app.boxes.shown.last().prompt;
        [&] { QCOMPARE(app.boxes.shown.size(), boxes_before + 1); }();
    } else {
        for (int cell = 1; cell <= 9; ++cell)
            if (MainWindowProbe::free(*window, cell))
                replay.free_cells.append(cell);
        app.boxes.answers = {AnswerYes};
        trigger(window, "exit");
    }
    TestApp::settle();
    return replay;
}

void TestComputerGames::worked_examples_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("result");

    QTest::newRow("corner first: centre") << "1" << "5" << "";
    QTest::newRow("edge first: centre") << "2" << "5" << "";
    QTest::newRow("centre first: corner 1") << "5" << "1" << "";
    QTest::newRow("opposite corners: first free edge") << "19" << "52" << "";
    QTest::newRow("24") << "24" << "51" << "";
    QTest::newRow("48") << "48" << "51" << "";
    QTest::newRow("26") << "26" << "51" << "";
    QTest::newRow("62") << "62" << "51" << "";
    QTest::newRow("68") << "68" << "59" << "";
    QTest::newRow("86") << "86" << "59" << "";
    QTest::newRow("28") << "28" << "54" << "";
    QTest::newRow("no centre: first free corner") << "59" << "13" << "";
    QTest::newRow("block") << "12" << "53" << "";
    QTest::newRow("computer wins") << "134" << "528" << "Player2 Won The Game";
    QTest::newRow("win beats block") << "136" << "528" << "Player2 Won The Game";
    QTest::newRow("double threat: human wins") << "1879" << "524" << "Player1 Won The Game";
    QTest::newRow("human wins on the bottom row") << "16897" << "5243" << "Player1 Won The Game";
    QTest::newRow("full board") << "12769" << "5348" << "Match Drawn";
}

void TestComputerGames::worked_examples()
{
    QFETCH(QString, clicks);
    QFETCH(QString, answers);
    QFETCH(QString, result);

    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "true\r\n"}});
    const Replay game = replay(app, clicks);
    QCOMPARE(game.computer, answers);
    QCOMPARE(game.ended, !result.isEmpty());
    QCOMPARE(game.result, result);
    if (game.ended) {
        QCOMPARE(app.boxes.shown.last().title, "Game Ends.");
        // No answer and no turn sound after the closing sound.
        QVERIFY(app.sounds().last().startsWith("/sounds/wonp") || app.sounds().last() == "/sounds/draw.wav");
    }
}

void TestComputerGames::every_game_against_the_computer()
{
    TestApp app({{"/mode.txt", "0\r\n"}, {"/sound.txt", "False\r\n"}});
    QMap<QString, int> results;
    int human_wins_after_edge_with_centre = 0;
    QStringList pending{""};
    while (!pending.isEmpty()) {
        const QString clicks = pending.takeLast();
        const Replay game = replay(app, clicks);
        if (QTest::currentTestFailed())
            return;
        if (!game.ended) {
            for (int cell : game.free_cells)
                pending.append(clicks + QString::number(cell));
            continue;
        }
        ++results[game.result];
        // The closing message names the side that really holds a line.
        if (game.result == "Player1 Won The Game") {
            QVERIFY2(holds_a_line(game.human), qPrintable(clicks));
            const bool edge = game.computer.contains(QRegularExpression("[2468]"));
            human_wins_after_edge_with_centre += game.computer.startsWith('5') && edge;
        } else if (game.result == "Player2 Won The Game") {
            QVERIFY2(holds_a_line(game.computer) && !holds_a_line(game.human), qPrintable(clicks));
        } else {
            QCOMPARE(game.result, "Match Drawn");
            QVERIFY2(game.human.size() == 5 && !holds_a_line(game.human) && !holds_a_line(game.computer),
                     qPrintable(clicks));
        }
    }
    QCOMPARE(results.value("Player2 Won The Game") + results.value("Player1 Won The Game")
                 + results.value("Match Drawn"),
             489);
    QCOMPARE(results.value("Player2 Won The Game"), 360);
    QCOMPARE(results.value("Player1 Won The Game"), 14);
    QCOMPARE(results.value("Match Drawn"), 115);
    QCOMPARE(human_wins_after_edge_with_centre, 14);
}

QTEST_MAIN(TestComputerGames)
#include "test_computer_games.moc"
