#pragma once

#include <QString>

#include <array>

// The rules of the game over move texts: a player's cells as digits "1" to "9"
// in the order taken. Nothing here needs a window.
namespace trivolo::rules {

// The table of winning lines: nine lines of four positions, of which only the first
// kLineCount lines and kCellsPerLine positions are filled. Its order decides every tie.
inline constexpr int kLineCount = 8;
inline constexpr int kCellsPerLine = 3;
using WinLines = std::array<std::array<QString, kCellsPerLine + 1>, kLineCount + 1>;

// The eight winning lines, in the order the referee and the computer walk them.
WinLines standard_win_lines();

// A player holds a cell when its digit occurs in the player's move text.
bool holds(const QString& moves, const QString& cell);

// The first line whose three cells all occur in the move text, or -1 when none does.
int completed_line(const WinLines& lines, const QString& moves);

// The board is full once Player1, who always begins, has five marks.
bool board_full(const QString& p1moves);

// The computer's first answer to the human's first mark: the centre, or cell 1 when
// the human took the centre.
QString first_answer(const QString& lastcell);

// The computer's later answers: win, block, the answers to two known openings,
// a corner (when it lacks the centre) or an edge, and last the lowest free cell.
// Returns the cell's digit, or empty text when no cell is free.
QString choose_cell(const WinLines& lines, const QString& p1moves, const QString& p2moves);

}  // namespace trivolo::rules
