#include "game/rules.h"

#include <QStringList>

namespace trivolo::rules {

namespace {

const QStringList kCorners{"1", "3", "7", "9"};
const QStringList kEdges{"2", "4", "6", "8"};
const QStringList kOpeningsAnsweredBy9{"68", "86"};
const QStringList kOpeningsAnsweredBy1{"42", "24", "48", "84", "26", "62"};

bool is_free(const QString& cell, const QString& p1moves, const QString& p2moves)
{
    return !holds(p1moves, cell) && !holds(p2moves, cell);
}

// The cell that completes a line for `mover`: a line of which exactly one cell is
// not the mover's, and that cell is not the opponent's. Lines are taken in order.
QString completing_cell(const WinLines& lines, const QString& mover, const QString& opponent)
{
    for (int line = 0; line < kLineCount; ++line) {
        int missing = 0;
        QString last_missing;
        for (int position = 0; position < kCellsPerLine; ++position) {
            const QString& cell = lines[line][position];
            if (!holds(mover, cell)) {
                ++missing;
                last_missing = cell;
            }
        }
        if (missing == 1 && !holds(opponent, last_missing))
            return last_missing;
    }
    return {};
}

QString first_free(const QStringList& cells, const QString& p1moves, const QString& p2moves)
{
    for (const QString& cell : cells)
        if (is_free(cell, p1moves, p2moves))
            return cell;
    return {};
}

}  // namespace

WinLines standard_win_lines()
{
    WinLines lines{};
    const char* const cells[kLineCount] = {"123", "147", "159", "258", "369", "357", "456", "789"};
    for (int line = 0; line < kLineCount; ++line)
        for (int position = 0; position < kCellsPerLine; ++position)
            lines[line][position] = QString(QLatin1Char(cells[line][position]));
    return lines;
}

bool holds(const QString& moves, const QString& cell)
{
    return !cell.isEmpty() && moves.contains(cell);
}

int completed_line(const WinLines& lines, const QString& moves)
{
    for (int line = 0; line < kLineCount; ++line) {
        bool whole = true;
        for (int position = 0; position < kCellsPerLine && whole; ++position)
            whole = holds(moves, lines[line][position]);
        if (whole)
            return line;
    }
    return -1;
}

bool board_full(const QString& p1moves)
{
    return p1moves.size() == 5;
}

QString first_answer(const QString& lastcell)
{
    return lastcell == QLatin1String("5") ? QStringLiteral("1") : QStringLiteral("5");
}

QString choose_cell(const WinLines& lines, const QString& p1moves, const QString& p2moves)
{
    if (QString win = completing_cell(lines, p2moves, p1moves); !win.isEmpty())
        return win;
    if (QString block = completing_cell(lines, p1moves, p2moves); !block.isEmpty())
        return block;
    // Two openings that the corner-or-edge preference would answer badly.
    if (kOpeningsAnsweredBy9.contains(p1moves))
        return QStringLiteral("9");
    if (kOpeningsAnsweredBy1.contains(p1moves))
        return QStringLiteral("1");
    const bool holds_centre = holds(p2moves, QStringLiteral("5"));
    if (QString cell = first_free(holds_centre ? kEdges : kCorners, p1moves, p2moves); !cell.isEmpty())
        return cell;
    return first_free({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, p1moves, p2moves);
}

}  // namespace trivolo::rules
