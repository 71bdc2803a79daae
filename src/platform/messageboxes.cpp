#include "platform/messageboxes.h"

#include <QMessageBox>

namespace trivolo {

int QtMessageBoxes::show(const QString& prompt, int buttons, const QString& title)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    if (buttons == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(buttons == OkInformation ? QMessageBox::Information : QMessageBox::NoIcon);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return AnswerYes;
    case QMessageBox::No: return AnswerNo;
    default: return AnswerOk;
    }
}

void report_write_failure(MessageBoxService& boxes, const QString& message)
{
    boxes.show(message, OkInformation, QStringLiteral("Setting Not Saved"));
}

}  // namespace trivolo
