#include "platform/messageboxes.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace trivolo {

namespace {

// Room the window manager's title bar takes besides the title: the window icon and up
// to four buttons, with their margins.
constexpr int kTitleBarAllowance = 120;

// Makes the box at least as wide as its title, which the window manager would otherwise
// cut short. QMessageBox sizes itself and ignores a minimum width; a spacer across
// its grid cannot be ignored.
void fit_title(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont title_font = box.font();  // title bars commonly draw the title in bold
    title_font.setBold(true);
    const int width = QFontMetrics(title_font).horizontalAdvance(title) + kTitleBarAllowance;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

}  // namespace

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
    fit_title(box, title);
    switch (box.exec()) {
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: return BoxAnswer::Ok;
    }
}

void report_write_failure(MessageBoxService& boxes, const QString& message)
{
    boxes.show(message, BoxButtons::OkInformation, QCoreApplication::translate("trivolo", "Setting Not Saved"));
}

}  // namespace trivolo
