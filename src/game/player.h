#pragma once

namespace trivolo {

// A side of the game. Player2 also stands for the computer while it answers in a
// game against it; Nobody is the turn of a window in which no game has started.
enum class Player { Nobody = 0, Player1 = 1, Player2 = 2 };

// The side that moves after `player`.
constexpr Player opponent(Player player)
{
    return player == Player::Player1 ? Player::Player2 : Player::Player1;
}

}  // namespace trivolo
