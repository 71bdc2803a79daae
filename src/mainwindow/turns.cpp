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
    const bool player1_moved = turn == 1;
    QString& moves = player1_moved ? p1moves : p2moves;
    moves += lastcell;
    check(moves);
    // The side panel turns to the next player even after the last move: the window is
    // about to be replaced, and check has silenced the turn sound.
    const qint16 next = player1_moved ? 2 : 1;
    show_turn_panel(player_mark(next), next == 1 ? kPlayer1Banner : kPlayer2Banner);
    ui->msgb->setText(QStringLiteral("Now Player%1").arg(next));
    play_sound(next == 1 ? kPlayer1Sound : kPlayer2Sound);
    turn = next;
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
