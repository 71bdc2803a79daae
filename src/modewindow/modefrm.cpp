// The game mode window: shows the saved mode, stores a new one and hands control back
// to a fresh main window.
#include "modewindow/modefrm.h"

#include "platform/accessibility.h"
#include "platform/messageboxes.h"
#include "platform/windowowner.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_modefrm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace trivolo {

using namespace settings;

namespace {

// Rounds to the nearest integer, halves to the even neighbour, as the window system
// hands coordinates to 16-bit variables.
qint16 round_to_int16(double value)
{
    return static_cast<qint16>(std::clamp(std::nearbyint(value), -32768.0, 32767.0));
}

int round_to_int(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

modefrm::modefrm(Services& services, MainWindowOwner& owner, QWidget* main_window)
    : ui_(std::make_unique<Ui::modefrm>())
    , services_(services)
    , owner_(owner)
    , main_window_(main_window)
{
    ui_->setupUi(this);
    apply_form_properties(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);  // a dialog may be kept above its main window
    setFixedSize(size());
    setAttribute(Qt::WA_DeleteOnClose);

    // The captions are part of the background: the window can be dragged by them too.
    // The buttons keep their mouse to themselves, so that pulling the pointer off a
    // pressed button does not drag the window.
    for (QLabel* label : ui_->Picture1->findChildren<QLabel*>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QAbstractButton* button : ui_->Picture1->findChildren<QAbstractButton*>())
        button->setAttribute(Qt::WA_NoMousePropagation);
    ui_->Picture1->installEventFilter(this);
    connect(ui_->play, &QPushButton::clicked, this, &modefrm::play_click);
    connect(ui_->quit, &QPushButton::clicked, this, &modefrm::quit_click);

    modefrm_load();
}

modefrm::~modefrm()
{
    // A window destroyed without being closed must not leave the main window dead.
    if (!handed_back_ && main_window_)
        main_window_->setEnabled(true);
}

void modefrm::modefrm_load()
{
    if (main_window_)
        main_window_->setEnabled(false);
    centre_on_screen(this);
    QRadioButton* saved = nullptr;
    switch (read_game_mode()) {
    case GameMode::AgainstComputer: saved = ui_->Option1; break;
    case GameMode::TwoPlayers: saved = ui_->Option2; break;
    }
    saved->setChecked(true);
    saved->setFocus();
}

void modefrm::keyPressEvent(QKeyEvent* event)
{
    if (!dialog_key(
            *event, focusWidget(), [this] { play_click(); }, [this] { quit_click(); }))
        QWidget::keyPressEvent(event);
}

void modefrm::showEvent(QShowEvent* event)
{
    // A transient window stays above its parent, even when a click on the disabled
    // parent raises the parent. Not a child widget: the reload deletes the main window
    // before this one has finished handing back. The parent is the frame the main window
    // fills, the window the desktop sees.
    if (main_window_)
        windowHandle()->setTransientParent(main_window_->window()->windowHandle());
    QWidget::showEvent(event);
}

bool modefrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->Picture1 && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QPointF position = mouse->position();
        // While the window follows the pointer, the window system may report positions
        // relative to where the window was a moment ago; the pointer's place on the
        // screen against where the window has been asked to be gives the steady answer.
        if (mouse->buttons() != Qt::NoButton)
            position = mouse->globalPosition() - QPointF(pos()) - QPointF(ui_->Picture1->pos());
        Picture1_mouse_move(mouse->buttons(), position);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void modefrm::Picture1_mouse_move(Qt::MouseButtons buttons, QPointF position)
{
    if (buttons == Qt::NoButton) {
        dragpoint = {round_to_int16(position.x()), round_to_int16(position.y())};
    } else if (buttons == Qt::LeftButton) {
        // Where a program cannot place its windows, the compositor moves this one with the
        // pointer until the button is released.
        if (on_wayland()) {
            windowHandle()->startSystemMove();
            return;
        }
        // The grabbed point stays under the pointer.
        move(round_to_int(position.x() - dragpoint.x + x()), round_to_int(position.y() - dragpoint.y + y()));
    }
}

void modefrm::play_click()
{
    const GameMode chosen = ui_->Option1->isChecked() ? GameMode::AgainstComputer : GameMode::TwoPlayers;
    if (const Result<> saved = write_lines(kModeFile, {stored_line_of(chosen)}); !saved.ok()) {
        report_write_failure(services_.boxes, saved.reason());
        quit_click();
        return;
    }
    handed_back_ = true;  // the close below must not hand back a second time
    close();
    owner_.reload();
}

void modefrm::quit_click()
{
    hand_back();
    close();
}

void modefrm::closeEvent(QCloseEvent* event)
{
    // Closed by the window manager or the like: the user leaves as with Quit.
    if (!handed_back_)
        hand_back();
    event->accept();
}

void modefrm::hand_back()
{
    if (handed_back_)
        return;
    handed_back_ = true;
    owner_.reload();
}

}  // namespace trivolo
