// Human moves, the two-player turn change and the referee.
#include "mainwindow/main.h"

#include "mainwindow/picturebox.h"
#include "platform/windowowner.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

QPixmap main::player_mark(int player) const
{
    return player == 1 ? load_player_mark(p1img, FallbackMark::Cross)
                       : load_player_mark(p2img, FallbackMark::Ring);
}

void main::cell_click(int cell)
{
    if (!free_flag(cell))
        return;
    show_picture(cell_box(cell), player_mark(turn == 1 ? 1 : 2));
    lastcell = QString::number(cell);
    if (mode == QLatin1String(kComputerModeValue))
        computer_select();
    else
        player_select();
    // Cleared only now: the turn handlers go by the move texts, which already hold
    // this cell. After a finished game this touches the window being discarded.
    free_flag(cell) = false;
}

void main::player_select()
{
    if (turn == 1) {
        p1moves += lastcell;
        check(p1moves);
        show_turn_panel(player_mark(2), kPlayer2Banner);
        ui->msgb->setText(QStringLiteral("Now Player2"));
        play_sound(kPlayer2Sound);
        turn = 2;
    } else {
        p2moves += lastcell;
        check(p2moves);
        show_turn_panel(player_mark(1), kPlayer1Banner);
        ui->msgb->setText(QStringLiteral("Now Player1"));
        play_sound(kPlayer1Sound);
        turn = 1;
    }
    if (gameover)
        owner.reload();
}

void main::show_turn_panel(const QPixmap& mark, const char* banner)
{
    show_picture(ui->playerpics, mark);
    show_picture(ui->playerlevel, load_picture(app_file(QString::fromLatin1(banner))));
}

void main::check(const QString& moves)
{
    if (rules::completed_line(winlines, moves) >= 0) {
        won = true;
        if (turn == 1)
            announce_result(kPlayer1WinPicture, kPlayer1WinSound, QStringLiteral("Player1 Won The Game"));
        else
            announce_result(kPlayer2WinPicture, kPlayer2WinSound, QStringLiteral("Player2 Won The Game"));
    }
    if (rules::is_draw(p1moves, won))
        announce_result(kDrawPicture, kDrawSound, QStringLiteral("Match Drawn"));
}

void main::announce_result(const char* picture, const char* sound, const QString& message)
{
    ui->msgb->setVisible(false);
    show_picture(ui->wonpic, load_picture(app_file(QString::fromLatin1(picture))));
    play_sound(sound);
    services.boxes.show(message, OkOnly, QStringLiteral("Game Ends."));
    gameover = true;
    // Keeps the rest of this move silent; the fresh window reads the switch from its file.
    soundon = false;
}

}  // namespace trivolo
