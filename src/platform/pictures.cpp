#include "platform/pictures.h"

#include "platform/files.h"
#include "platform/log.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>

namespace trivolo {

QPixmap load_picture(const QString& path)
{
    if (path.isEmpty())
        return {};
    QFile file(path);
    QString reason;
    QImage image;
    if (open_regular_file(file, reason)) {
        QImageReader reader(&file);
        image = reader.read();
        reason = reader.errorString();
    }
    if (image.isNull()) {
        qCWarning(lcTrivolo, "cannot load picture %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
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
