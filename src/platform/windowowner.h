#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace trivolo {

// Owns the one main window of the program and replaces it with a fresh one on request.
class MainWindowOwner : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(MainWindowOwner&)>;

    explicit MainWindowOwner(Factory make_main_window);
    ~MainWindowOwner() override;

    // Creates and shows the first main window.
    void show_first();

    // Discards the current main window and shows a fresh one in its place. Safe to
    // call from the old window's own handlers: it is hidden now and deleted once
    // control is back in the event loop, and the program does not end meanwhile.
    void reload();

    QWidget* window() const { return window_; }

signals:
    void reloaded(QWidget* fresh_window);

private:
    Factory make_main_window_;
    QPointer<QWidget> window_;
};

}  // namespace trivolo
