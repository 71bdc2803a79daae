#pragma once

#include "game/player.h"
#include "platform/services.h"

#include <QPointer>

class QWidget;

namespace trivolo {

class imgchange;

// Keeps track of the two picture chooser windows, which stay open when the main window
// is replaced: they are dialogs of the frame the main window fills, which outlives it.
class ImageChoosers {
public:
    ImageChoosers(Services& services, QWidget* main_frame);
    ~ImageChoosers();

    // Opens the player's chooser, or brings it to the front when it is already open.
    void show(Player player);

    // The player's open chooser, or null.
    imgchange* window(Player player) const;

private:
    Services& services_;
    QWidget* main_frame_;
    QPointer<imgchange> player1_;
    QPointer<imgchange> player2_;
};

}  // namespace trivolo
