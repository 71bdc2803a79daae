#pragma once

#include "platform/services.h"

namespace trivolo {

// Opens documents through the desktop (xdg-open and the viewer associated with
// the file's type); returns as soon as the request has been handed over.
class DesktopDocuments : public DocumentService {
public:
    void open(const QString& path) override;
};

}  // namespace trivolo
