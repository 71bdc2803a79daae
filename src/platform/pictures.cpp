#include "platform/pictures.h"

#include "platform/log.h"

#include <QImageReader>
#include <QLabel>

namespace trivolo {

QPixmap load_picture(const QString& path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        qCWarning(lcTrivolo, "cannot load picture %s: %s", qUtf8Printable(path), qUtf8Printable(reader.errorString()));
        return {};
    }
    return QPixmap::fromImage(image);
}

void show_picture(QLabel* box, const QPixmap& picture)
{
    box->setPixmap(picture);
    if (box->isVisible())
        box->repaint();
}

}  // namespace trivolo
