#include "platform/windowowner.h"

namespace trivolo {

MainWindowOwner::MainWindowOwner(Factory make_main_window)
    : make_main_window_(std::move(make_main_window))
{
}

MainWindowOwner::~MainWindowOwner()
{
    delete window_;
}

void MainWindowOwner::show_first()
{
    window_ = make_main_window_(*this);
    window_->show();
}

void MainWindowOwner::reload()
{
    QPointer<QWidget> old_window = window_;
    // The new window is shown before the old one goes, so that the program never
    // passes through a moment without a visible window (which would end it).
    window_ = make_main_window_(*this);
    window_->show();
    if (old_window) {
        old_window->hide();
        old_window->deleteLater();
    }
    emit reloaded(window_);
}

}  // namespace trivolo
