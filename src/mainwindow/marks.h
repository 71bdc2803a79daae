#pragma once

#include "game/player.h"

#include <QPixmap>
#include <QString>

namespace trivolo {

// A human player's mark: the picture of the images folder that playerimg.txt names,
// or, when it cannot be shown, a drawn mark (a cross for Player1, a ring for Player2).
QPixmap load_player_mark(const QString& stored_name, Player player);

// The computer's mark, or a drawn ring when its picture does not load.
QPixmap load_computer_mark();

// The clearly drawn mark that fills a board cell in place of the player's picture.
QPixmap draw_fallback_mark(Player player);

}  // namespace trivolo
