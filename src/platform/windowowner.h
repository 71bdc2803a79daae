#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace trivolo {

// Owns the one main window of the program and replaces it with a fresh one on request.
// The desktop sees one window for the whole run, the frame, which each main window fills
// in turn: a Wayland compositor places every new top-level window as it likes, so a new
// one after every game would wander; and the boxes and choosers that belong to the main
// window can stay children of a window that never goes.
class MainWindowOwner : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(MainWindowOwner&)>;

    MainWindowOwner();
    ~MainWindowOwner() override;

    // Creates and shows the first main window; `make_main_window` makes every later one too.
    void show_first(Factory make_main_window);

    // Discards the current main window and shows a fresh one in its place. Safe to
    // call from the old window's own handlers: it is hidden now and deleted once
    // control is back in the event loop, and the program does not end meanwhile.
    void reload();

    // Makes `main_window`, just made, the content of the frame: the frame takes its title
    // and its size. A main window calls this before it places the frame on the screen.
    void fill_frame(QWidget* main_window);

    QWidget* window() const { return window_; }

    // The window the desktop sees, from the first main window to the end of the program.
    QWidget* frame() { return &frame_; }

signals:
    void reloaded(QWidget* fresh_window);

private:
    // Gives the keyboard focus to the current window, where it chose to have it.
    void focus_content();

    Factory make_main_window_;
    QWidget frame_;
    QPointer<QWidget> window_;
};

}  // namespace trivolo
