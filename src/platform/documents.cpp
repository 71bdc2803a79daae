#include "platform/documents.h"

#include "platform/log.h"

#include <QProcess>

namespace trivolo {

namespace {

// xdg-open's exit status for a file that does not exist.
constexpr int kNoSuchFile = 2;

}  // namespace

DesktopDocuments::~DesktopDocuments()
{
    // An xdg-open that waits for its viewer is ended, quietly: the viewer, its child, stays open.
    for (QProcess* opening : openings_.findChildren<QProcess*>()) {
        opening->disconnect();
        opening->kill();
        opening->waitForFinished();
    }
}

void DesktopDocuments::open(const QString& path)
{
    // xdg-open chooses the viewer as the desktop would, and tries every other way it knows
    // (mail capabilities, a web browser) before it gives up, so only its own verdict tells
    // whether the document could be shown. Without a desktop environment it waits for the
    // viewer, so the verdict may come late. Its messages, and the viewer's, go where ours go.
    auto* opening = new QProcess(&openings_);
    opening->setStandardInputFile(QProcess::nullDevice());
    opening->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(opening, &QProcess::finished, opening, [opening, path](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == kNoSuchFile)
            qCWarning(lcTrivolo, "cannot show %s: there is no such file", qUtf8Printable(path));
        else if (status != QProcess::NormalExit || code != 0)
            qCWarning(lcTrivolo, "cannot show %s: no viewer could open it (xdg-open ended with %d)",
                      qUtf8Printable(path), code);
        opening->deleteLater();
    });
    QObject::connect(opening, &QProcess::errorOccurred, opening, [opening, path](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCWarning(lcTrivolo, "cannot show %s: the desktop offers no way to open documents (%s)", qUtf8Printable(path),
                  qUtf8Printable(opening->errorString()));
        opening->deleteLater();
    });
    opening->start(QStringLiteral("xdg-open"), {path});
}

}  // namespace trivolo
