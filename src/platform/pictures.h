#pragma once

#include "platform/result.h"

#include <QPixmap>
#include <QString>

class QLabel;

namespace trivolo {

// Loads a picture file, named by the bytes the system stores its path as. An empty path
// gives no picture; a file that is missing or not a picture also gives none, with a
// warning naming it on standard error.
QPixmap load_picture(const QByteArray& path);

// The same for a path that may not have been found; the reason it was not is the warning.
QPixmap load_picture(const Result<QByteArray>& path);

// The same for a path in text, encoded as the platform encodes file names.
QPixmap load_picture(const QString& path);

// Shows the picture in a picture box and paints it at once, so that it is on the
// screen before a sound plays or a message box opens.
void show_picture(QLabel* box, const QPixmap& picture);

}  // namespace trivolo
