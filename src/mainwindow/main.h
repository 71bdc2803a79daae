#pragma once

#include "mainwindow/rules.h"
#include "platform/pictures.h"
#include "platform/services.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class main;
}

namespace trivolo {

class ImageChoosers;
class MainWindowOwner;
class PictureBox;
struct MainWindowProbe;

// The main window: the board, the side panel, the result strip and the menus, and
// the whole state of one game. A window holds at most one game; when the game ends
// or is abandoned the window is replaced by a fresh one (MainWindowOwner::reload).
class main : public QMainWindow {
    Q_OBJECT
public:
    main(Services& services, MainWindowOwner& owner, ImageChoosers& choosers, QWidget* parent = nullptr);
    ~main() override;

private slots:
    // Game menu.
    void on_ngame_triggered();
    void on_gmode_triggered();
    void on_exit_triggered();
    // Sound menu.
    void on_on_triggered();
    void on_Off_triggered();
    // Image menu.
    void on_playerimg1_triggered();
    void on_playerimg2_triggered();
    // Help menu.
    void on_Guide_triggered();
    void on_readme_triggered();
    // The board's cells.
    void on_p1_clicked();
    void on_p2_clicked();
    void on_p3_clicked();
    void on_p4_clicked();
    void on_p5_clicked();
    void on_p6_clicked();
    void on_p7_clicked();
    void on_p8_clicked();
    void on_p9_clicked();

private:
    friend struct MainWindowProbe;  // lets tests read the game state

    // Start-up: the sound switch and the mode labels from their files, centred on screen.
    void main_load();

    // Names the two sides in the game-mode panel: Player1 against the computer or Player2.
    void show_sides();
    // A click on cell 1 to 9: the mover's mark, then the turn handler of the mode.
    void cell_click(int cell);

    // Two-player turn change: record the move, ask the referee, pass the turn.
    void player_select();
    // One-player turn: record the human's move, ask the referee, let the computer answer.
    void computer_select();
    // The referee: announces a win for the player who has just moved, or a full board.
    void check(const QString& moves);
    // Puts the computer's mark in cell 1 to 9 and marks the cell taken.
    void putc(const int& cell);
    // The computer's later answers: chooses a cell and places its mark there.
    void check_lose();

    // Places the computer's mark on a cell given as its digit and records the move.
    void place_computer_mark(const QString& cell);
    // Shows whose turn it is in the side panel.
    void show_turn_panel(const QPixmap& mark, const char* banner);
    // Shows the result picture and sound and the closing message, then ends the game.
    void announce_result(const char* picture, const char* sound, const QString& message);
    // Plays a sound from the application folder while the sound is switched on.
    void play_sound(const char* relative_name);
    // Writes the sound switch and says so; leaves everything as it was if the write fails.
    void switch_sound(bool on);

    PictureBox* cell_box(int cell) const;
    bool& free_flag(int cell);
    QPixmap player_mark(int player) const;

    std::unique_ptr<::Ui::main> ui;
    Services& services;
    MainWindowOwner& owner;
    ImageChoosers& choosers;

    // The game state. A fresh window has no game: every cell is taken as far as
    // clicks are concerned until New Game frees them.
    bool p1free = false;
    bool p2free = false;
    bool p3free = false;
    bool p4free = false;
    bool p5free = false;
    bool p6free = false;
    bool p7free = false;
    bool p8free = false;
    bool p9free = false;
    qint16 turn = 0;          // 1 = Player1 to move, 2 = Player2 (or the computer answering)
    QString p1moves;          // Player1's cells in the order taken
    QString p2moves;          // Player2's or the computer's cells in the order taken
    QString lastcell;         // the cell the human clicked last
    bool soundon = false;
    QString p1img;            // Player1's mark picture, a file name inside images
    QString p2img;            // Player2's mark picture
    bool won = false;
    bool gameover = false;    // the game has been announced; the window is about to be replaced
    QString mode;             // "0" against the computer, anything else two players
    qint16 gamestate = 0;     // 0 no game; from 1 a game is running (one-player: the human's move number)
    rules::WinLines winlines{};
};

}  // namespace trivolo
