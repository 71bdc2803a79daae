#pragma once

#include "platform/services.h"

namespace trivolo {

// Opens documents through the desktop (QDesktopServices: xdg-open, or the desktop's portal,
// and the viewer it finds for the file's type); returns as soon as the request has been
// handed over. Only what is known at once is reported, one line on standard error: a
// missing file, or a desktop that offers no way to open documents. Whether a viewer then
// shows it is the desktop's to tell, as for any file opened from it.
class DesktopDocuments : public DocumentService {
public:
    void open(const QString& path) override;
};

}  // namespace trivolo
