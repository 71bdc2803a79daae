// Starting a game and abandoning it.
#include "mainwindow/main.h"

#include "mainwindow/picturebox.h"
#include "platform/log.h"
#include "platform/windowowner.h"
#include "settings/settings.h"
#include "ui_main.h"

namespace trivolo {

using namespace settings;

void main::on_ngame_triggered()
{
    // A window holds one game; after it, the window is replaced by a fresh one.
    if (gamestate >= 1) {
        services.boxes.show(QStringLiteral("First Quit This Game, Then Start New Game."), OkInformation,
                            QStringLiteral("Cannot start New Game Now."));
        return;
    }
    ui->playerpics->setVisible(true);
    ui->playerlevel->setVisible(true);
    ui->howpic->setPixmap(QPixmap());
    ui->howpic->setVisible(false);

    for (int cell = 1; cell <= 9; ++cell)
        free_flag(cell) = true;
    turn = 1;
    p1moves.clear();
    p2moves.clear();
    winlines = rules::standard_win_lines();
    gamestate = 1;
    won = false;
    gameover = false;

    const QStringList images = read_first_two_lines(kPlayerImageFile);
    p1img = images.at(0);
    p2img = images.at(1);
    mode = read_first_line(kModeFile);

    show_turn_panel(player_mark(1), kPlayer1Banner);
    play_sound(kStartSound);
    play_sound(kPlayer1Sound);

    if (mode != QLatin1String(kComputerModeValue))
        ui->msgb->setText(QStringLiteral("Now Player1"));
    show_sides();

    // Nothing reads this marker back, so a refused write need not stop the game.
    const WriteResult saved = write_lines(kMenuFile, {QString::fromLatin1(kMenuValue)});
    if (!saved.ok)
        qCWarning(lcTrivolo, "%s", qUtf8Printable(saved.error));
}

void main::on_exit_triggered()
{
    if (gamestate < 1) {
        services.boxes.show(QStringLiteral("No Game To Quit. Start New Game First."), OkOnly,
                            QStringLiteral("Game Not Found"));
        return;
    }
    if (services.boxes.show(QStringLiteral("Are You Sure To Quit This Game ?"), YesNo,
                            QStringLiteral("Quit Confirmation")) == AnswerYes)
        owner.reload();
}

}  // namespace trivolo
