#pragma once

namespace trivolo {

// Who Player1 plays against. Code that depends on the mode switches over it without a
// default, so that a new mode is an error wherever it must be handled.
enum class GameMode { AgainstComputer, TwoPlayers };

// Whether the computer answers Player1's moves.
constexpr bool computer_plays(GameMode mode)
{
    switch (mode) {
    case GameMode::AgainstComputer: return true;
    case GameMode::TwoPlayers: return false;
    }
    return false;
}

}  // namespace trivolo
