#include "game/gamestate.h"

#include <array>

namespace trivolo {

namespace {

constexpr std::array<bool GameState::*, 9> kFreeFlags{&GameState::p1free, &GameState::p2free, &GameState::p3free,
                                                      &GameState::p4free, &GameState::p5free, &GameState::p6free,
                                                      &GameState::p7free, &GameState::p8free, &GameState::p9free};

}  // namespace

GameState GameState::started(bool soundon, const QStringList& images, GameMode mode)
{
    return {.p1free = true,
            .p2free = true,
            .p3free = true,
            .p4free = true,
            .p5free = true,
            .p6free = true,
            .p7free = true,
            .p8free = true,
            .p9free = true,
            .turn = Player::Player1,
            .p1moves = {},
            .p2moves = {},
            .lastcell = {},
            .soundon = soundon,
            .p1img = images.value(0),
            .p2img = images.value(1),
            .won = false,
            .gameover = false,
            .mode = mode,
            .gamestate = 1,
            .winlines = rules::standard_win_lines()};
}

bool GameState::is_free(int cell) const
{
    return this->*kFreeFlags.at(cell - 1);
}

void GameState::set_free(int cell, bool free)
{
    this->*kFreeFlags.at(cell - 1) = free;
}

Verdict GameState::judge(const QString& mover_moves)
{
    if (rules::completed_line(winlines, mover_moves) >= 0) {
        won = true;
        return turn == Player::Player1 ? Verdict::Player1Won : Verdict::Player2Won;
    }
    return rules::board_full(p1moves) ? Verdict::Drawn : Verdict::None;
}

}  // namespace trivolo
