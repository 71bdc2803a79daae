// The rules over move texts: the win test and the computer's choice of cell.
#include "mainwindow/rules.h"

#include <QTest>

using namespace trivolo;

class TestRules : public QObject {
    Q_OBJECT

private slots:
    void win_lines_are_in_table_order();
    void completed_line_data();
    void completed_line();
    void draw_needs_five_marks_without_a_win_data();
    void draw_needs_five_marks_without_a_win();
    void first_answer_takes_the_centre_or_the_first_corner();
    void computer_choice_data();
    void computer_choice();
};

void TestRules::win_lines_are_in_table_order()
{
    const rules::WinLines lines = rules::standard_win_lines();
    QStringList joined;
    for (const auto& line : lines)
        joined << line[0] + line[1] + line[2] + line[3];
    QCOMPARE(joined, QStringList({"123", "147", "159", "258", "369", "357", "456", "789", ""}));
}

void TestRules::completed_line_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<int>("line");

    QTest::newRow("nothing") << "" << -1;
    QTest::newRow("top row in any order") << "312" << 0;
    QTest::newRow("left column among others") << "7841" << 1;
    QTest::newRow("diagonal") << "951" << 2;
    QTest::newRow("bottom row last") << "978" << 7;
    QTest::newRow("two lines at once: the first") << "23471" << 0;
    QTest::newRow("four marks, no line") << "1268" << -1;
    QTest::newRow("five marks, no line") << "12769" << -1;
    QTest::newRow("anti-diagonal") << "753" << 5;
}

void TestRules::completed_line()
{
    QFETCH(QString, moves);
    QFETCH(int, line);
    QCOMPARE(rules::completed_line(rules::standard_win_lines(), moves), line);
}

void TestRules::draw_needs_five_marks_without_a_win_data()
{
    QTest::addColumn<QString>("p1moves");
    QTest::addColumn<bool>("won");
    QTest::addColumn<bool>("draw");

    QTest::newRow("full board") << "12769" << false << true;
    QTest::newRow("won with the ninth mark") << "12345" << true << false;
    QTest::newRow("four marks") << "1276" << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestRules::draw_needs_five_marks_without_a_win()
{
    QFETCH(QString, p1moves);
    QFETCH(bool, won);
    QFETCH(bool, draw);
    QCOMPARE(rules::is_draw(p1moves, won), draw);
}

void TestRules::first_answer_takes_the_centre_or_the_first_corner()
{
    for (const char* cell : {"1", "2", "3", "4", "6", "7", "8", "9"})
        QCOMPARE(rules::first_answer(cell), "5");
    QCOMPARE(rules::first_answer("5"), "1");
}

void TestRules::computer_choice_data()
{
    QTest::addColumn<QString>("p1moves");
    QTest::addColumn<QString>("p2moves");
    QTest::addColumn<QString>("cell");

    // Reached positions, the human's marks in the order taken.
    QTest::newRow("no threat, holds centre: first free edge") << "19" << "5" << "2";
    QTest::newRow("opening 42") << "42" << "5" << "1";
    QTest::newRow("opening 24") << "24" << "5" << "1";
    QTest::newRow("opening 48") << "48" << "5" << "1";
    QTest::newRow("opening 84") << "84" << "5" << "1";
    QTest::newRow("opening 26") << "26" << "5" << "1";
    QTest::newRow("opening 62") << "62" << "5" << "1";
    QTest::newRow("opening 68") << "68" << "5" << "9";
    QTest::newRow("opening 86") << "86" << "5" << "9";
    QTest::newRow("pair 28 is no opening: first free edge") << "28" << "5" << "4";
    QTest::newRow("lacks the centre: first free corner") << "59" << "1" << "3";
    QTest::newRow("block the top row") << "12" << "5" << "3";
    QTest::newRow("win down the middle column") << "134" << "52" << "8";
    QTest::newRow("win beats block") << "136" << "52" << "8";
    QTest::newRow("two threats: the earlier line is blocked") << "187" << "52" << "4";
    QTest::newRow("block where the opening would answer") << "14" << "5" << "7";
    QTest::newRow("win on the left column") << "5926" << "1348" << "7";
    QTest::newRow("no corner left: lowest free cell") << "5927" << "138" << "4";
    // Positions play cannot reach still get a free cell.
    QTest::newRow("empty board, no centre") << "" << "" << "1";
    QTest::newRow("full board") << "12569" << "3478" << "";
}

void TestRules::computer_choice()
{
    QFETCH(QString, p1moves);
    QFETCH(QString, p2moves);
    QFETCH(QString, cell);
    QCOMPARE(rules::choose_cell(rules::standard_win_lines(), p1moves, p2moves), cell);
}

QTEST_GUILESS_MAIN(TestRules)
#include "test_rules.moc"
