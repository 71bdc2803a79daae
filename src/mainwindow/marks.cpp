#include "mainwindow/marks.h"

#include "platform/pictures.h"
#include "settings/settings.h"

#include <QPainter>

namespace trivolo {

namespace {

// The inside of a board cell, within its 2-pixel sunken border.
constexpr QSize kMarkSize(116, 117);

QPixmap or_fallback(const QPixmap& picture, Player player)
{
    return picture.isNull() ? draw_fallback_mark(player) : picture;
}

}  // namespace

QPixmap load_player_mark(const QString& stored_name, Player player)
{
    return or_fallback(load_picture(settings::image_path(stored_name)), player);
}

QPixmap load_computer_mark()
{
    return or_fallback(load_picture(settings::app_file(settings::kComputerMark)), Player::Player2);
}

QPixmap draw_fallback_mark(Player player)
{
    QPixmap mark(kMarkSize);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(kMarkSize)).adjusted(22, 22, -22, -22);
    if (player == Player::Player1) {
        painter.setPen(QPen(QColor(0xb0, 0x20, 0x20), 14, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomLeft());
    } else {
        painter.setPen(QPen(QColor(0x20, 0x40, 0xa0), 12));
        painter.drawEllipse(area);
    }
    return mark;
}

}  // namespace trivolo
