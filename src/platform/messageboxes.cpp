#include "platform/messageboxes.h"

#include <QMessageBox>

namespace trivolo {

BoxAnswer QtMessageBoxes::show(const QString& prompt, BoxButtons buttons, const QString& title)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    if (buttons == BoxButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(buttons == BoxButtons::OkInformation ? QMessageBox::Information : QMessageBox::NoIcon);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return BoxAnswer::Ok;
    }
}

void report_write_failure(MessageBoxService& boxes, const QString& message)
{
    boxes.show(message, BoxButtons::OkInformation, QStringLiteral("Setting Not Saved"));
}

}  // namespace trivolo
