// The computer's side of a one-player game.
#include "mainwindow/main.h"

#include "mainwindow/picturebox.h"
#include "platform/windowowner.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

void main::computer_select()
{
    p1moves += lastcell;
    check(p1moves);
    show_turn_panel(load_computer_mark(), kPlayer2Banner);
    play_sound(kPlayer2Sound);
    turn = 2;
    if (!gameover) {
        if (gamestate == 1)
            place_computer_mark(rules::first_answer(lastcell));
        else if (gamestate >= 2 && gamestate <= 4)
            check_lose();
        check(p2moves);
        ++gamestate;
        show_turn_panel(player_mark(1), kPlayer1Banner);
        play_sound(kPlayer1Sound);
        turn = 1;
    }
    if (gameover)
        owner.reload();
}

void main::check_lose()
{
    const QString cell = rules::choose_cell(winlines, p1moves, p2moves);
    if (!cell.isEmpty())
        place_computer_mark(cell);
}

void main::place_computer_mark(const QString& cell)
{
    putc(cell.toInt());
    p2moves += cell;
}

void main::putc(const int& cell)
{
    if (cell < 1 || cell > 9)
        return;
    show_picture(cell_box(cell), load_computer_mark());
    free_flag(cell) = false;
}

}  // namespace trivolo
