#include "platform/pictures.h"

#include "platform/log.h"
#include "settings/settings.h"

#include <QImageReader>
#include <QLabel>
#include <QPainter>

namespace trivolo {

namespace {

// The inside of a board cell, within its 2-pixel sunken border.
constexpr QSize kMarkSize(116, 117);

}  // namespace

QPixmap load_picture(const QString& path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcTrivolo, "cannot load picture %s: %s", qUtf8Printable(path),
                 qUtf8Printable(reader.errorString()));
        return {};
    }
    return QPixmap::fromImage(image);
}

QPixmap load_image(const QString& image_name)
{
    if (!settings::is_bare_file_name(image_name)) {
        qCWarning(lcTrivolo, "\"%s\" is not a picture name inside the images folder", qUtf8Printable(image_name));
        return {};
    }
    return load_picture(settings::image_file(image_name));
}

QPixmap load_player_mark(const QString& image_name, FallbackMark fallback)
{
    const QPixmap picture = load_image(image_name);
    return picture.isNull() ? draw_fallback_mark(fallback) : picture;
}

QPixmap load_computer_mark()
{
    const QPixmap picture = load_picture(settings::app_file(settings::kComputerMark));
    return picture.isNull() ? draw_fallback_mark(FallbackMark::Ring) : picture;
}

QPixmap draw_fallback_mark(FallbackMark shape)
{
    QPixmap mark(kMarkSize);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(kMarkSize)).adjusted(22, 22, -22, -22);
    if (shape == FallbackMark::Cross) {
        painter.setPen(QPen(QColor(0xb0, 0x20, 0x20), 14, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(area.topLeft(), area.bottomRight());
        painter.drawLine(area.topRight(), area.bottomLeft());
    } else {
        painter.setPen(QPen(QColor(0x20, 0x40, 0xa0), 12));
        painter.drawEllipse(area);
    }
    return mark;
}

void show_picture(QLabel* box, const QPixmap& picture)
{
    box->setPixmap(picture);
    if (box->isVisible())
        box->repaint();
}

}  // namespace trivolo
