// The rules over move texts: the referee and the computer's choice of cell.
#include "game/gamestate.h"

#include <QTest>

using namespace trivolo;

Q_DECLARE_METATYPE(trivolo::Verdict)

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void referee_data()
    {
        // clang-format off
        QTest::addColumn<QString>("moves");  // Player1's, who has just moved
        QTest::addColumn<Verdict>("verdict");

        QTest::newRow("nothing") << "" << Verdict::None;
        QTest::newRow("top row in any order") << "312" << Verdict::Player1Won;
        QTest::newRow("anti-diagonal") << "753" << Verdict::Player1Won;
        QTest::newRow("two lines at once") << "23471" << Verdict::Player1Won;
        QTest::newRow("a line with the ninth mark") << "13579" << Verdict::Player1Won;
        QTest::newRow("five marks, no line") << "12769" << Verdict::Drawn;
        // clang-format on
    }

    void referee()
    {
        QFETCH(QString, moves);
        QFETCH(Verdict, verdict);
        GameState game = GameState::started(false, {}, GameMode::TwoPlayers);
        game.p1moves = moves;
        QCOMPARE(game.judge(moves), verdict);
        QCOMPARE(game.won, verdict == Verdict::Player1Won);
    }

    void computer_choice_data()
    {
        // clang-format off
        QTest::addColumn<QString>("p1moves");
        QTest::addColumn<QString>("p2moves");
        QTest::addColumn<QString>("cell");

        // Reached positions, the human's marks in the order taken.
        QTest::newRow("first answer: centre") << "3" << "" << "5";
        QTest::newRow("first answer to the centre: corner 1") << "5" << "" << "1";
        QTest::newRow("no threat, holds centre: first free edge") << "19" << "5" << "2";
        for (const char* opening : {"42", "24", "48", "84", "26", "62"})
            QTest::addRow("opening %s", opening) << opening << "5" << "1";
        for (const char* opening : {"68", "86"})
            QTest::addRow("opening %s", opening) << opening << "5" << "9";
        QTest::newRow("pair 28 is no opening: first free edge") << "28" << "5" << "4";
        QTest::newRow("lacks the centre: first free corner") << "59" << "1" << "3";
        QTest::newRow("block the top row") << "12" << "5" << "3";
        QTest::newRow("win beats block") << "136" << "52" << "8";
        QTest::newRow("two threats: the earlier line is blocked") << "187" << "52" << "4";
        QTest::newRow("block where the opening would answer") << "14" << "5" << "7";
        QTest::newRow("no corner left: lowest free cell") << "5927" << "138" << "4";
        QTest::newRow("full board") << "12569" << "3478" << "";
        // clang-format on
    }

    void computer_choice()
    {
        QFETCH(QString, p1moves);
        QFETCH(QString, p2moves);
        QFETCH(QString, cell);
        const QString chosen = p2moves.isEmpty() ? rules::first_answer(p1moves)
                                                 : rules::choose_cell(rules::standard_win_lines(), p1moves, p2moves);
        QCOMPARE(chosen, cell);
    }
};

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
