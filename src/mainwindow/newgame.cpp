// Starting a game and abandoning it.
#include "mainwindow/main.h"

#include "platform/log.h"
#include "platform/windowowner.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

void main::ngame_click()
{
    // A window holds one game; after it, the window is replaced by a fresh one.
    if (state_.game_running()) {
        services_.boxes.show(tr("First Quit This Game, Then Start New Game."), BoxButtons::OkInformation,
                             tr("Cannot start New Game Now."));
        return;
    }
    ui_->playerpics->setVisible(true);
    ui_->playerlevel->setVisible(true);
    ui_->howpic->setPixmap(QPixmap());
    ui_->howpic->setVisible(false);

    state_ = GameState::started(state_.soundon, read_first_two_lines(kPlayerImageFile), read_game_mode());

    show_turn_panel(player_mark(Player::Player1), Player::Player1);
    tell(ui_->ngame->text());
    //: A screen reader's words for the sides of a new game: %1 plays against %2.
    tell(tr("%1 versus %2").arg(side_name(Player::Player1), side_name(Player::Player2)));
    tell(turn_message(Player::Player1));
    tell_news();
    open_board();
    play_sound(kStartSound);
    play_sound(kPlayer1Sound);

    if (!state_.against_computer())
        ui_->msgb->setText(turn_message(Player::Player1));
    show_sides();

    // Nothing reads this marker back, so a refused write need not stop the game.
    if (const Result<> saved = write_lines(kMenuFile, {kMenuMarker}); !saved.ok())
        qCWarning(lcTrivolo, "%s", qUtf8Printable(saved.reason()));
}

void main::exit_click()
{
    if (!state_.game_running()) {
        services_.boxes.show(tr("No Game To Quit. Start New Game First."), BoxButtons::OkOnly, tr("Game Not Found"));
        return;
    }
    if (services_.boxes.show(tr("Are You Sure To Quit This Game ?"), BoxButtons::YesNo, tr("Quit Confirmation"))
        == BoxAnswer::Yes)
        owner_.reload();
}

}  // namespace trivolo
