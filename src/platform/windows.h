#pragma once

#include <functional>
#include <thread>

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

// Runs `work` once the window's first paint is done, for work the player need not wait
// for to see the window; or a second after this call, should the window not have been
// painted by then (a window manager may keep a new window minimised).
void after_first_paint(QWidget* window, std::function<void()> work);

// Starts reading the desktop's font configuration on a thread of its own, while the
// application is being made; the toolkit would read it on the user-interface thread when
// the first window measures its text, a good part of the whole start-up. Join the thread
// before that. The configuration is read in the locale set at the time of the call.
std::jthread read_font_configuration();

// Maps the faces the forms name onto fonts a Linux desktop has.
void install_font_substitutes();

}  // namespace trivolo
