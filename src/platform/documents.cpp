#include "platform/documents.h"

#include "platform/log.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace trivolo {

void DesktopDocuments::open(const QString& path)
{
    // The desktop handles a failure as it does for any file; the lines below only say
    // why nothing may have appeared.
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        qCWarning(lcTrivolo, "cannot show %s: the desktop offers no way to open documents", qUtf8Printable(path));
    else if (!QFileInfo::exists(path))
        qCWarning(lcTrivolo, "cannot show %s: there is no such file", qUtf8Printable(path));
    else
        report_if_no_viewer(path);
}

void DesktopDocuments::report_if_no_viewer(const QString& path)
{
    // openUrl succeeds as soon as xdg-open has started, viewer or not. xdg-open first
    // opens a file with the type's default application, which xdg-mime names; the
    // answer takes a moment, so it is read when it comes.
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    auto* query = new QProcess(&lookups_);
    QObject::connect(query, &QProcess::finished, query, [query, path, type](int code, QProcess::ExitStatus status) {
        const bool answered = status == QProcess::NormalExit && code == 0;
        if (answered && query->readAllStandardOutput().trimmed().isEmpty())
            qCWarning(lcTrivolo, "cannot show %s: no viewer for %s files is installed", qUtf8Printable(path),
                      qUtf8Printable(type));
        query->deleteLater();
    });
    // xdg-mime comes with xdg-open; if it cannot run there is nothing to learn.
    QObject::connect(query, &QProcess::errorOccurred, query, [query](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            query->deleteLater();
    });
    query->start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
}

}  // namespace trivolo
