// What the program's own widgets tell screen readers, through Qt's accessibility interfaces.
#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPushButton>

namespace trivolo {

namespace {

class PlainFrameAccessible : public QAccessibleWidget {
public:
    explicit PlainFrameAccessible(QWidget* frame)
        : QAccessibleWidget(frame)
    {
    }

    // A nameless frame as a filler, which Orca never takes for a window of its own.
    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty() && childCount() == 0)
            state.invisible = true;
        return state;
    }
};

// The interfaces are chosen by class, when Qt first asks for an object's interface,
// which may be while the object is still being built.
QAccessibleInterface* own_widget_interface(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("trivolo::PlainFrame"))
        return new PlainFrameAccessible(static_cast<QWidget*>(object));
    if (class_name == QLatin1String("trivolo::Announcer"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (class_name == QLatin1String("trivolo::AnnouncedLine"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    // A main window that fills another window is part of it, not a window of its own: a
    // screen reader that took it for one would drop the focus events inside it.
    if (class_name == QLatin1String("QMainWindow") && !static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Pane);
    return nullptr;
}

void install_own_interfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&own_widget_interface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

PlainFrame::PlainFrame(QWidget* parent)
    : QFrame(parent)
{
    install_own_interfaces();
}

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    install_own_interfaces();
    notice_ = new AnnouncedLine(this);
    setFixedSize(0, 0);
}

void Announcer::announce(const QString& line)
{
    notice_->hide();
    notice_->setAccessibleName(line);
    notice_->show();
}

AnnouncedLine::AnnouncedLine(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(0, 0);
    hide();
}

bool dialog_key(const QKeyEvent& event, QWidget* focus, const std::function<void()>& accept,
                const std::function<void()>& cancel)
{
    if (event.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (event.key() == Qt::Key_Escape) {
        cancel();
        return true;
    }
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return false;
    if (auto* button = qobject_cast<QPushButton*>(focus))
        button->click();
    else
        accept();
    return true;
}

}  // namespace trivolo
