// The two picture choosers: at most one window per player, living apart from the main window.
#include "imagechooser/choosers.h"

#include "imagechooser/imgchange.h"

namespace trivolo {

ImageChoosers::ImageChoosers(Services& services)
    : services_(services)
{
}

ImageChoosers::~ImageChoosers()
{
    delete player1_;
    delete player2_;
}

void ImageChoosers::show(Player player)
{
    QPointer<imgchange>& chooser = player == Player::Player1 ? player1_ : player2_;
    if (!chooser)
        chooser = new imgchange(services_, player);
    // An open chooser keeps its selection; it only comes to the front.
    chooser->setWindowState(chooser->windowState() & ~Qt::WindowMinimized);
    chooser->show();
    chooser->raise();
    chooser->activateWindow();
}

imgchange* ImageChoosers::window(Player player) const
{
    return player == Player::Player1 ? player1_.data() : player2_.data();
}

}  // namespace trivolo
