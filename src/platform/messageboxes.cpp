#include "platform/messageboxes.h"

#include "platform/windows.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include <array>
#include <utility>

namespace trivolo {

namespace {

// Room the window manager's title bar takes besides the title: the window icon and up
// to four buttons, with their margins.
constexpr int kTitleBarAllowance = 120;

// Qt's own title bar on Wayland clips the title to the room between the window icon and
// the three buttons, and centres it on the whole bar: it needs this much on either side.
constexpr int kQtTitleBarClearance = 77;
// It draws the title in the application's face at this height, but centres it by the
// title's width in the face's own size.
constexpr int kQtTitlePixelSize = 14;

// The width of a window whose title bar shows the whole title.
int width_for_title(const QMessageBox& box, const QString& title)
{
    if (!on_wayland()) {
        QFont title_font = box.font();  // title bars commonly draw the title in bold
        title_font.setBold(true);
        return QFontMetrics(title_font).horizontalAdvance(title) + kTitleBarAllowance;
    }
    QFont drawn_font;
    drawn_font.setPixelSize(kQtTitlePixelSize);
    const int drawn = QFontMetrics(drawn_font).horizontalAdvance(title);
    const int centred_by = QFontMetrics(QFont()).horizontalAdvance(title);
    // Centred by the narrower width, the drawn title reaches that much further right.
    return drawn + (drawn - centred_by) + 2 * kQtTitleBarClearance;
}

// Makes the box at least as wide as its title, which the title bar would otherwise cut
// short. QMessageBox sizes itself and ignores a minimum width; a spacer across its grid
// cannot be ignored.
void fit_title(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(width_for_title(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// The stock buttons in the game's own words, which are Qt's English. Debian's Qt has no
// catalogue of its own for every language the game speaks (none for Swedish).
constexpr std::array<std::pair<QMessageBox::StandardButton, const char*>, 3> kStockButtons{{
    {QMessageBox::Yes, QT_TRANSLATE_NOOP("trivolo", "&Yes")},
    {QMessageBox::No, QT_TRANSLATE_NOOP("trivolo", "&No")},
    //: The button that closes a message.
    {QMessageBox::Ok, QT_TRANSLATE_NOOP("trivolo", "OK")},
}};

void name_stock_buttons(QMessageBox& box)
{
    for (const auto& [which, text] : kStockButtons)
        if (QAbstractButton* button = box.button(which))
            button->setText(QCoreApplication::translate("trivolo", text));
}

}  // namespace

BoxAnswer QtMessageBoxes::show(const QString& prompt, BoxButtons buttons, const QString& title)
{
    QMessageBox box(main_frame_);
    box.setWindowTitle(title);
    box.setText(prompt);
    if (buttons == BoxButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(buttons == BoxButtons::OkInformation ? QMessageBox::Information : QMessageBox::NoIcon);
    }
    name_stock_buttons(box);
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
