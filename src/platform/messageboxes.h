#pragma once

#include "platform/services.h"

class QWidget;

namespace trivolo {

// Message boxes shown with QMessageBox, application-modal, as children of the window the
// main window fills, which outlives every main window: replacing the main window can
// never take an open box with it, and the desktop keeps each box above that window.
class QtMessageBoxes : public MessageBoxService {
public:
    explicit QtMessageBoxes(QWidget* main_frame)
        : main_frame_(main_frame)
    {
    }

    BoxAnswer show(const QString& prompt, BoxButtons buttons, const QString& title) override;

private:
    QWidget* main_frame_;
};

// Tells the user that a settings file could not be saved; `message` names the
// file and the system's reason.
void report_write_failure(MessageBoxService& boxes, const QString& message);

}  // namespace trivolo
