#include "platform/documents.h"

#include <QDesktopServices>
#include <QUrl>

namespace trivolo {

void DesktopDocuments::open(const QString& path)
{
    // The desktop reports a missing document or viewer itself; the game carries on either way.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace trivolo
