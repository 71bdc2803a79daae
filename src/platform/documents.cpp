#include "platform/documents.h"

#include "platform/log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace trivolo {

void DesktopDocuments::open(const QString& path)
{
    if (!QFileInfo::exists(path))
        qCWarning(lcTrivolo, "cannot show %s: there is no such file", qUtf8Printable(path));
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        qCWarning(lcTrivolo, "cannot show %s: the desktop offers no way to open documents", qUtf8Printable(path));
}

}  // namespace trivolo
