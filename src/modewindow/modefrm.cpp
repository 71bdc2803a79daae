// The game mode window: shows the saved mode, stores a new one and hands control back
// to a fresh main window.
#include "modewindow/modefrm.h"

#include "platform/messageboxes.h"
#include "platform/windowowner.h"
#include "platform/windows.h"
#include "settings/settings.h"
#include "ui_modefrm.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>

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

modefrm::modefrm(Services& services_, MainWindowOwner& owner_, QWidget* main_window_)
    : ui(std::make_unique<Ui::modefrm>())
    , services(services_)
    , owner(owner_)
    , main_window(main_window_)
{
    ui->setupUi(this);
    apply_form_properties(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(size());
    setAttribute(Qt::WA_DeleteOnClose);

    // The captions are part of the background: the window can be dragged by them too.
    // The buttons keep their mouse to themselves, so that pulling the pointer off a
    // pressed button does not drag the window.
    for (QLabel* label : ui->Picture1->findChildren<QLabel*>())
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QAbstractButton* button : ui->Picture1->findChildren<QAbstractButton*>())
        button->setAttribute(Qt::WA_NoMousePropagation);
    ui->Picture1->installEventFilter(this);

    modefrm_load();
}

modefrm::~modefrm()
{
    // A window destroyed without being closed must not leave the main window dead.
    if (!handed_back && main_window)
        main_window->setEnabled(true);
}

void modefrm::modefrm_load()
{
    if (main_window)
        main_window->setEnabled(false);
    centre_on_screen(this);
    if (read_first_line(kModeFile) == QLatin1String(kComputerModeValue))
        ui->Option1->setChecked(true);
    else
        ui->Option2->setChecked(true);
}

bool modefrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->Picture1 && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QPointF position = mouse->position();
        // While the window follows the pointer, the window system may report positions
        // relative to where the window was a moment ago; the pointer's place on the
        // screen against where the window has been asked to be gives the steady answer.
        if (mouse->buttons() != Qt::NoButton)
            position = mouse->globalPosition() - QPointF(pos()) - QPointF(ui->Picture1->pos());
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
        // The grabbed point stays under the pointer.
        move(round_to_int(position.x() - dragpoint.x + x()), round_to_int(position.y() - dragpoint.y + y()));
    }
}

void modefrm::on_play_clicked()
{
    const WriteResult saved = write_lines(
        kModeFile, {QString::fromLatin1(ui->Option1->isChecked() ? kComputerModeValue : kTwoPlayerModeValue)});
    if (!saved.ok) {
        report_write_failure(services.boxes, saved.error);
        on_quit_clicked();
        return;
    }
    handed_back = true;  // the close below must not hand back a second time
    close();
    owner.reload();
}

void modefrm::on_quit_clicked()
{
    hand_back();
    close();
}

void modefrm::closeEvent(QCloseEvent* event)
{
    // Closed by the window manager or the like: the user leaves as with Quit.
    if (!handed_back)
        hand_back();
    event->accept();
}

void modefrm::hand_back()
{
    if (handed_back)
        return;
    handed_back = true;
    owner.reload();
}

}  // namespace trivolo
