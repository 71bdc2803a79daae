#include "mainwindow/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace trivolo {

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts when the left button is let go over the box.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    // As Qt's styles do, the frame shows only once the keyboard has been used, so a
    // mouse player sees the board unchanged. It is drawn over the picture, never resizing it.
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3, Qt::DashLine));
    painter.drawRect(contentsRect().adjusted(3, 3, -4, -4));
}

}  // namespace trivolo
