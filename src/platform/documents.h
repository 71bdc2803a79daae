#pragma once

#include "platform/services.h"

#include <QObject>

namespace trivolo {

// Opens documents through the desktop (xdg-open and the viewer associated with
// the file's type); returns as soon as the request has been handed over. When
// nothing can show the document, one line on standard error names it.
class DesktopDocuments : public DocumentService {
public:
    void open(const QString& path) override;

private:
    // Asks the desktop, without waiting, whether any viewer is set up for the file's type.
    void report_if_no_viewer(const QString& path);

    QObject lookups_;  // parent of the running look-ups
};

}  // namespace trivolo
