#pragma once

class QWidget;
class QPalette;
class QColor;

namespace trivolo {

// True when Qt talks to a Wayland compositor. The compositor alone places windows there
// (a program can neither move its windows nor learn where they are), and Qt draws the
// title bars itself.
bool on_wayland();

// Puts the window's top-left corner where the window sits in the middle of its screen,
// where the platform lets a program place its windows.
void centre_on_screen(QWidget* window);

// A window that the user cannot resize or maximise, with a minimise button.
void make_fixed_window(QWidget* window);

// The same for a dialog: without a minimise button, and kept above the window it
// belongs to (its parent) by any window manager or compositor.
void make_fixed_dialog(QWidget* dialog);

// The desktop background colour of the classic desktop, taken from the theme: a
// deep shade of the selection colour, readable under highlight-coloured text.
QColor desktop_colour(const QPalette& palette);

// Applies what a form asks of each widget under `root` (and of `root` itself) through
// dynamic properties, as Designer stores neither colour roles nor fractional sizes:
// "textColour" and "backColour" take the theme colour "highlight", "highlightText",
// "desktop" or "windowText"; "pointSizeF" sets the exact point size of the widget's font.
// The controls inside a framed box are placed from the inside of its frame, as the forms mean.
void apply_form_properties(QWidget* root);

// Maps the faces the forms name onto fonts a Linux desktop has.
void install_font_substitutes();

}  // namespace trivolo
