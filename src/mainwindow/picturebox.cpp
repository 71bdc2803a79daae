#include "mainwindow/picturebox.h"

#include <QMouseEvent>

namespace trivolo {

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts when the left button is let go over the box.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

}  // namespace trivolo
