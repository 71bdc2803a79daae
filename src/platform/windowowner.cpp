#include "platform/windowowner.h"

#include "platform/windows.h"

namespace trivolo {

MainWindowOwner::MainWindowOwner()
{
    make_fixed_window(&frame_);
}

MainWindowOwner::~MainWindowOwner()
{
    delete window_;
}

void MainWindowOwner::show_first(Factory make_main_window)
{
    make_main_window_ = std::move(make_main_window);
    window_ = make_main_window_(*this);
    window_->show();
    frame_.show();
    focus_content();
}

void MainWindowOwner::reload()
{
    QPointer<QWidget> old_window = window_;
    window_ = make_main_window_(*this);
    window_->show();
    // Closed while another window kept the program going (the mode window): shown again
    // before anything else happens, so that the program goes on.
    frame_.show();
    if (old_window) {
        old_window->hide();
        old_window->deleteLater();
    }
    focus_content();
    emit reloaded(window_);
}

void MainWindowOwner::focus_content()
{
    // The focus a window chose while it was built takes effect only once it is shown inside
    // the frame; a window that chose none takes the focus itself.
    QWidget* chosen = window_->focusWidget();
    (chosen ? chosen : window_.data())->setFocus(Qt::OtherFocusReason);
}

void MainWindowOwner::fill_frame(QWidget* main_window)
{
    main_window->setParent(&frame_, Qt::Widget);
    main_window->move(0, 0);
    frame_.setFixedSize(main_window->size());
    frame_.setWindowTitle(main_window->windowTitle());
}

}  // namespace trivolo
