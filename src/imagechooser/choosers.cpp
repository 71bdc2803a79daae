// The two picture choosers: at most one window per player, outliving the main window.
#include "imagechooser/choosers.h"

#include "imagechooser/imgchange.h"

namespace trivolo {

ImageChoosers::ImageChoosers(Services& services, QWidget* main_frame)
    : services_(services)
    , main_frame_(main_frame)
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
        chooser = new imgchange(services_, player, main_frame_);
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
