#pragma once

#include "game/player.h"
#include "platform/services.h"

#include <QPointer>

namespace trivolo {

class imgchange;

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
