// The computer's side of a one-player game.
#include "mainwindow/main.h"

#include "mainwindow/marks.h"
#include "platform/windowowner.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

void main::computer_select()
{
    state.p1moves += state.lastcell;
    check(state.p1moves);
    show_turn_panel(load_computer_mark(), Player::Player2);
    play_sound(kPlayer2Sound);
    state.turn = Player::Player2;
    if (!state.gameover) {
        if (state.computer_answers_first())
            place_computer_mark(rules::first_answer(state.lastcell));
        else if (state.computer_answers_by_rules())
            check_lose();
        check(state.p2moves);
        ++state.gamestate;
        show_turn_panel(player_mark(Player::Player1), Player::Player1);
        play_sound(kPlayer1Sound);
        state.turn = Player::Player1;
    }
    if (state.gameover)
        owner_.reload();
}

void main::check_lose()
{
    const QString cell = rules::choose_cell(state.winlines, state.p1moves, state.p2moves);
    if (!cell.isEmpty())
        place_computer_mark(cell);
}

void main::place_computer_mark(const QString& cell)
{
    putc(cell.toInt());
    state.p2moves += cell;
}

void main::putc(int cell)
{
    if (cell < 1 || cell > 9)
        return;
    put_mark(cell, load_computer_mark(), Player::Player2);
    state.set_free(cell, false);
}

}  // namespace trivolo
