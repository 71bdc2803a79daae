#pragma once

#include "platform/services.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace trivolo {

class MainWindowOwner;

namespace Ui {
class modefrm;
}

// The borderless game mode window: play against the computer or between two players.
// While it is open the main window is disabled; it hands control back by replacing
// the main window with a fresh one.
class modefrm : public QWidget {
    Q_OBJECT
public:
    modefrm(Services& services, MainWindowOwner& owner, QWidget* main_window);
    ~modefrm() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Escape leaves as Quit does; Return or Enter plays, as Play does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A point in Picture1's coordinates, kept as the 16-bit integers it was designed with.
    struct DragPoint {
        qint16 x = 0;
        qint16 y = 0;
    };

    void modefrm_load();
    void play_click();
    void quit_click();
    void Picture1_mouse_move(Qt::MouseButtons buttons, QPointF position);
    // Gives the user a fresh, enabled main window; runs at most once per mode window.
    void hand_back();

    std::unique_ptr<Ui::modefrm> ui_;
    Services& services_;
    MainWindowOwner& owner_;
    // The main window that was current when this window opened; the reload deletes it.
    QPointer<QWidget> main_window_;
    DragPoint dragpoint;
    bool handed_back_ = false;
};

}  // namespace trivolo
