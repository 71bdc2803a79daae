#include "mainwindow/picturebox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace trivolo {

namespace {

class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box)
    {
    }
    QAccessible::Role role() const override { return static_cast<PictureBox*>(widget())->screen_reader_role(); }
};

QAccessibleInterface* picture_box_interface(const QString& class_name, QObject* object)
{
    return class_name == QLatin1String("trivolo::PictureBox")
        ? new PictureBoxAccessible(static_cast<PictureBox*>(object))
        : nullptr;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : QLabel(parent)
{
    // Chosen by class when Qt first asks, which may be before this constructor returns.
    static const bool installed = [] {
        QAccessible::installFactory(&picture_box_interface);
        return true;
    }();
    Q_UNUSED(installed);
}

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
