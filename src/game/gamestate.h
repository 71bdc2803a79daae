#pragma once

#include "game/mode.h"
#include "game/player.h"
#include "game/rules.h"

#include <QString>
#include <QStringList>

namespace trivolo {

// The referee's verdict on a move: the game goes on, is won by one side, or is drawn on a full board.
enum class Verdict { None, Player1Won, Player2Won, Drawn };

// Everything a main window knows about its one game, and the steps of a game that need no
// window. A fresh window has no game: every cell is taken as far as clicks are concerned
// until New Game frees them.
struct GameState {
    bool p1free = false;
    bool p2free = false;
    bool p3free = false;
    bool p4free = false;
    bool p5free = false;
    bool p6free = false;
    bool p7free = false;
    bool p8free = false;
    bool p9free = false;
    Player turn = Player::Nobody;  // whose mark goes down next (Player2: also the computer answering)
    QString p1moves;               // Player1's cells in the order taken
    QString p2moves;               // Player2's or the computer's cells in the order taken
    QString lastcell;              // the cell the human clicked last
    bool soundon = false;
    QString p1img;  // Player1's mark picture, as playerimg.txt names it
    QString p2img;  // Player2's mark picture
    bool won = false;
    bool gameover = false;  // the game has been announced; the window is about to be replaced
    GameMode mode = GameMode::TwoPlayers;
    qint16 gamestate = 0;  // 0 no game; from 1 a game runs (one-player: the human's move number)
    rules::WinLines winlines{};

    // The state New Game starts from: every cell free, Player1 to move.
    static GameState started(bool soundon, const QStringList& images, GameMode mode);

    bool game_running() const { return gamestate >= 1; }
    bool against_computer() const { return computer_plays(mode); }
    // The computer's first answer follows the human's first mark; its next three come
    // from the rule list; after the human's fifth mark the board is full.
    bool computer_answers_first() const { return gamestate == 1; }
    bool computer_answers_by_rules() const { return gamestate >= 2 && gamestate <= 4; }
    bool is_free(int cell) const;
    void set_free(int cell, bool free);
    const QString& img(Player player) const { return player == Player::Player1 ? p1img : p2img; }
    QString& moves(Player player) { return player == Player::Player1 ? p1moves : p2moves; }

    // Adds the cell the human clicked last to the moves of the side whose turn it is.
    void record_human_move() { moves(turn) += lastcell; }
    // The referee's verdict once the side whose turn it is has these moves: a whole line wins
    // for that side (and is remembered in `won`), a full board without one is a draw.
    Verdict judge(const QString& mover_moves);
    void pass_turn() { turn = opponent(turn); }
};

}  // namespace trivolo
