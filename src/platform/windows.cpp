#include "platform/windows.h"

#include "platform/log.h"

#include <QFont>
#include <QPalette>
#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace trivolo {

namespace {

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

}  // namespace

void centre_on_screen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = window->frameGeometry().size();
    const float left = static_cast<float>(area.width() - size.width()) / 2.0f;
    const float top = static_cast<float>(area.height() - size.height()) / 2.0f;
    window->move(area.x() + qRound(left), area.y() + qRound(top));
}

void make_fixed_window(QWidget* window, bool minimisable)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    if (minimisable)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
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
    }
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
