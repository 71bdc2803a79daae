// The computer's side of a one-player game.
#include "mainwindow/main.h"

#include "mainwindow/marks.h"
#include "platform/windowowner.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

void main::computer_select()
{
    state_.record_human_move();
    check(state_.p1moves);
    show_turn_panel(load_computer_mark(), Player::Player2);
    play_sound(kPlayer2Sound);
    state_.pass_turn();
    if (!state_.gameover) {
        if (state_.computer_answers_first())
            place_computer_mark(rules::first_answer(state_.lastcell));
        else if (state_.computer_answers_by_rules())
            check_lose();
        check(state_.p2moves);
        ++state_.gamestate;
        show_turn_panel(player_mark(Player::Player1), Player::Player1);
        if (!state_.gameover) {
            tell(turn_message(Player::Player1));
            tell_news();
        }
        play_sound(kPlayer1Sound);
        state_.pass_turn();
    }
    if (state_.gameover)
        owner_.reload();
}

void main::check_lose()
{
    const QString cell = rules::choose_cell(state_.winlines, state_.p1moves, state_.p2moves);
    if (!cell.isEmpty())
        place_computer_mark(cell);
}

void main::place_computer_mark(const QString& cell)
{
    putc(cell.toInt());
    state_.p2moves += cell;
}

void main::putc(int cell)
{
    if (cell < 1 || cell > 9)
        return;
    put_mark(cell, load_computer_mark(), Player::Player2);
    tell(cell_name(cell, Player::Player2));
    state_.set_free(cell, false);
}

}  // namespace trivolo
