#pragma once

#include "platform/services.h"

namespace trivolo {

// Message boxes shown with QMessageBox, application-modal and without a parent
// window, so that replacing the main window can never take an open box with it.
class QtMessageBoxes : public MessageBoxService {
public:
    BoxAnswer show(const QString& prompt, BoxButtons buttons, const QString& title) override;
};

// Tells the user that a settings file could not be saved; `message` names the
// file and the system's reason.
void report_write_failure(MessageBoxService& boxes, const QString& message);

}  // namespace trivolo
