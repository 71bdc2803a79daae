#include "platform/windows.h"

#include "platform/log.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#include <chrono>
#include <utility>

namespace trivolo {

namespace {

// A title bar with the system menu and a close button, and no way to resize the window.
constexpr Qt::WindowFlags kFixedTitleBar = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
    | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QColor colour_named(const QPalette& palette, const QString& name)
{
    if (name == QLatin1String("highlight"))
        return palette.color(QPalette::Highlight);
    if (name == QLatin1String("highlightText"))
        return palette.color(QPalette::HighlightedText);
    if (name == QLatin1String("desktop"))
        return desktop_colour(palette);
    if (name == QLatin1String("windowText"))
        return palette.color(QPalette::WindowText);
    qCWarning(lcTrivolo, "unknown colour role \"%s\" in a form", qUtf8Printable(name));
    return palette.color(QPalette::WindowText);
}

void apply_point_size(QWidget* widget)
{
    const QVariant size = widget->property("pointSizeF");
    if (!size.isValid())
        return;
    QFont font = widget->font();
    font.setPointSizeF(size.toDouble());
    widget->setFont(font);
}

void apply_colours(QWidget* widget)
{
    const QString text = widget->property("textColour").toString();
    const QString back = widget->property("backColour").toString();
    if (text.isEmpty() && back.isEmpty())
        return;
    QPalette palette = widget->palette();
    if (!text.isEmpty())
        palette.setColor(QPalette::WindowText, colour_named(palette, text));
    if (!back.isEmpty()) {
        // The widget's own background role: Window for most, Button for option buttons.
        palette.setColor(widget->backgroundRole(), colour_named(palette, back));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

// The forms measure a control's place inside a framed box from the inside of the frame, while Qt
// measures it from the box's outer corner: the box's own controls move in by the frame's width.
// A scroll area is left alone: its children are parts of its own.
void place_inside_frame(QWidget* widget)
{
    auto* box = qobject_cast<QFrame*>(widget);
    if (!box || qobject_cast<QAbstractScrollArea*>(box))
        return;
    for (QWidget* control : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->move(control->pos() + box->contentsRect().topLeft());
}

// Centres the window's frame as far as it is known; a window larger than the screen
// keeps its top-left corner, and so its title bar, on the available area.
void move_to_centre(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect available = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    const int left = area.x() + qRound((area.width() - size.width()) / 2.0);
    const int top = area.y() + qRound((area.height() - size.height()) / 2.0);
    window->move(qMax(left, available.left()), qMax(top, available.top()));
}

// Centres its window again once, when the window manager's frame first shows in the
// window's geometry.
class FrameCentring : public QObject {
public:
    explicit FrameCentring(QWidget* window)
        : QObject(window)
        , window_(window)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool placed = event->type() == QEvent::Move || event->type() == QEvent::Show;
        if (watched == window_ && placed && window_->frameGeometry() != window_->geometry()) {
            move_to_centre(window_);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* window_;
};

constexpr std::chrono::seconds kFirstPaintBound{1};

// Runs its work once: when the event loop has control again after the window's first paint
// event (the window's children and the flush to the screen follow that event at once), or
// when the bound runs out first.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> work)
        : QObject(window)
        , work_(std::move(work))
    {
        window->installEventFilter(this);
        QTimer::singleShot(kFirstPaintBound, this, &AfterFirstPaint::run);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(this, &AfterFirstPaint::run, Qt::QueuedConnection);
        return false;
    }

private:
    void run()
    {
        if (!work_)
            return;
        std::exchange(work_, nullptr)();
        deleteLater();
    }

    std::function<void()> work_;
};

}  // namespace

void after_first_paint(QWidget* window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));
}

bool on_wayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void centre_on_screen(QWidget* window)
{
    if (on_wayland())
        return;
    move_to_centre(window);
    // The window manager's frame is known only once it has framed the window: then
    // the whole frame, title bar included, is centred again.
    if (!(window->windowFlags() & Qt::FramelessWindowHint) && window->frameGeometry() == window->geometry())
        window->installEventFilter(new FrameCentring(window));
}

void make_fixed_window(QWidget* window)
{
    window->setWindowFlags(Qt::Window | kFixedTitleBar | Qt::WindowMinimizeButtonHint);
}

void make_fixed_dialog(QWidget* dialog)
{
    // X11 window managers learn the window a dialog belongs to (WM_TRANSIENT_FOR) only
    // for dialog-type windows.
    dialog->setWindowFlags(Qt::Dialog | kFixedTitleBar);
}

QColor desktop_colour(const QPalette& palette)
{
    return palette.color(QPalette::Highlight).darker(170);
}

void apply_form_properties(QWidget* root)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        apply_point_size(widget);
        apply_colours(widget);
        place_inside_frame(widget);
    }
}

std::jthread read_font_configuration()
{
    // fontconfig keeps one configuration for the process and may be called from any thread;
    // the toolkit's own call then finds the configuration read.
    return std::jthread([] { FcInit(); });
}

void install_font_substitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Sans Serif")});
    // Liberation Sans has Arial's metrics, close to those the forms were laid out with:
    // a fallback with wider letters would cut captions off at both ends.
    for (const char* face : {"MS Sans Serif", "Arial"})
        QFont::insertSubstitutions(QLatin1String(face),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
}

}  // namespace trivolo
