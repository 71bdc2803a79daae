#pragma once

#include "platform/services.h"

#include <QObject>

namespace trivolo {

// Opens documents through the desktop (xdg-open and the viewer associated with
// the file's type); returns as soon as the request has been handed over. When
// xdg-open finds nothing that shows the document, one line on standard error names it.
class DesktopDocuments : public DocumentService {
public:
    DesktopDocuments() = default;
    ~DesktopDocuments() override;
    Q_DISABLE_COPY_MOVE(DesktopDocuments)

    void open(const QString& path) override;

private:
    QObject openings_;  // parent of the xdg-open runs not yet ended
};

}  // namespace trivolo
