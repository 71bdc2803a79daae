#pragma once

#include "platform/services.h"

#include <QPointer>

namespace trivolo {

class imgchange;

// The human player a picture chooser serves.
enum class Player { Player1 = 1, Player2 = 2 };

// Keeps track of the two picture chooser windows, which live independently of the
// main window (they stay open when it is replaced).
class ImageChoosers {
public:
    explicit ImageChoosers(Services& services);
    ~ImageChoosers();

    // Opens the player's chooser, or brings it to the front when it is already open.
    void show(Player player);

    // The player's open chooser, or null.
    imgchange* window(Player player) const;

private:
    Services& services_;
    QPointer<imgchange> player1_;
    QPointer<imgchange> player2_;
};

}  // namespace trivolo
