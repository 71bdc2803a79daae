#include "platform/pictures.h"

#include "platform/files.h"
#include "platform/log.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>

namespace trivolo {

QPixmap load_picture(const QByteArray& path)
{
    if (path.isEmpty())
        return {};
    // Named, so that the reader can tell the format by the name's suffix when the contents
    // do not show it.
    QFile file(QFile::decodeName(path));
    const Result<> opened = open_regular_file(file, path);
    QString reason = opened.reason();
    QImage image;
    if (opened.ok()) {
        QImageReader reader(&file);
        image = reader.read();
        reason = reader.errorString();
    }
    if (image.isNull()) {
        qCWarning(lcTrivolo, "cannot load picture %s: %s", qUtf8Printable(readable_file_name(path)),
                  qUtf8Printable(reason));
        return {};
    }
    return QPixmap::fromImage(image);
}

QPixmap load_picture(const Result<QByteArray>& path)
{
    if (!path.ok()) {
        qCWarning(lcTrivolo, "cannot load picture: %s", qUtf8Printable(path.reason()));
        return {};
    }
    return load_picture(path.value());
}

QPixmap load_picture(const QString& path)
{
    return load_picture(QFile::encodeName(path));
}

void show_picture(QLabel* box, const QPixmap& picture)
{
    box->setPixmap(picture);
    if (box->isVisible())
        box->repaint();
}

}  // namespace trivolo
