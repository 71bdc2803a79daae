// Human moves, the two-player turn change and the referee.
#include "mainwindow/main.h"

#include "mainwindow/marks.h"
#include "mainwindow/picturebox.h"
#include "mainwindow/picturewords.h"
#include "platform/pictures.h"
#include "platform/windowowner.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

namespace {

QLatin1StringView banner_of(Player player)
{
    return player == Player::Player1 ? kPlayer1Banner : kPlayer2Banner;
}

QLatin1StringView turn_sound_of(Player player)
{
    return player == Player::Player1 ? kPlayer1Sound : kPlayer2Sound;
}

}  // namespace

QPixmap main::player_mark(Player player) const
{
    return load_player_mark(state_.img(player), player);
}

void main::cell_click(int cell, bool named_by_focus)
{
    if (!state_.is_free(cell))
        return;
    put_mark(cell, player_mark(state_.turn), state_.turn);
    if (named_by_focus)
        named_by_focus_ = cell_name(cell, state_.turn);
    else
        tell(cell_name(cell, state_.turn));
    state_.lastcell = QString::number(cell);
    switch (state_.mode) {
    case GameMode::AgainstComputer: computer_select(); break;
    case GameMode::TwoPlayers: player_select(); break;
    }
    // Cleared only now: the turn handlers go by the move texts, which already hold
    // this cell. After a finished game this touches the window being discarded.
    state_.set_free(cell, false);
}

void main::player_select()
{
    const Player mover = state_.turn;
    state_.record_human_move();
    check(state_.moves(mover));
    // The side panel turns to the next player even after the last move: the window is
    // about to be replaced, and check has silenced the turn sound.
    const Player next = opponent(mover);
    show_turn_panel(player_mark(next), next);
    ui_->msgb->setText(turn_message(next));
    if (!state_.gameover) {
        tell(ui_->msgb->text());
        tell_news();
    }
    play_sound(turn_sound_of(next));
    state_.pass_turn();
    if (state_.gameover)
        owner_.reload();
}

QString main::side_name(Player player) const
{
    // A side's name stands in the narrow labels of the game-mode panel, and apart from the
    // menu items of the same English text.
    if (player == Player::Player1)
        return tr("Player1", "side");
    //: The side that plays against Player1 in the one-player mode.
    return state_.against_computer() ? tr("Computer") : tr("Player2", "side");
}

QString main::turn_message(Player player)
{
    //: Shown under the board in a two-player game: whose turn it is.
    return player == Player::Player1 ? tr("Now Player1") : tr("Now Player2");
}

void main::show_turn_panel(const QPixmap& mark, Player player)
{
    show_picture(ui_->playerpics, mark);
    show_status_picture(ui_->playerlevel, banner_of(player));
    //: A screen reader's name of the picture of the mark of the side to move (%1).
    ui_->playerpics->setAccessibleName(tr("Mark of %1").arg(side_name(player)));
    //: A screen reader's name of the banner saying whose turn it is (%1: Player1, Player2 or Computer).
    ui_->playerlevel->setAccessibleName(tr("Now %1").arg(side_name(player)));
}

void main::check(const QString& moves)
{
    switch (state_.judge(moves)) {
    case Verdict::None: break;
    case Verdict::Player1Won: announce_result(kPlayer1WinPicture, kPlayer1WinSound, tr("Player1 Won The Game")); break;
    case Verdict::Player2Won:
        //: Also when the computer, which plays as Player2, has won.
        announce_result(kPlayer2WinPicture, kPlayer2WinSound, tr("Player2 Won The Game"));
        break;
    case Verdict::Drawn: announce_result(kDrawPicture, kDrawSound, tr("Match Drawn")); break;
    }
}

void main::announce_result(QLatin1StringView picture, QLatin1StringView sound, const QString& message)
{
    ui_->msgb->setVisible(false);
    show_status_picture(ui_->wonpic, picture);
    //: A screen reader's name of the result picture; %1 is the closing message.
    ui_->wonpic->setAccessibleName(tr("Result: %1").arg(message));
    play_sound(sound);
    // The last moves, before the box reads out the result. The box takes the focus at
    // once, so a screen reader may drop what the focus said of the player's own cell.
    if (!named_by_focus_.isEmpty())
        news_.prepend(named_by_focus_);
    tell_news();
    //: Title of the closing message of a game.
    services_.boxes.show(message, BoxButtons::OkOnly, tr("Game Ends."));
    state_.gameover = true;
    // Keeps the rest of this move silent; the fresh window reads the switch from its file.
    state_.soundon = false;
}

}  // namespace trivolo
