#pragma once

#include <QFrame>
#include <QWidget>

#include <functional>

class QKeyEvent;

namespace trivolo {

// A frame that screen readers know only by its accessible name. Without one it is drawn
// for looks alone (a grid line, a box, a background): a screen reader passes over it, and
// over a childless one entirely. With one it is a named group that may take the focus.
class PlainFrame : public QFrame {
    Q_OBJECT
public:
    explicit PlainFrame(QWidget* parent = nullptr);
};

// Tells screen readers a line without moving the focus. Orca voices a notification each
// time it appears, and, as the notice sits in a status bar, without calling it one. The
// line is set while the notice is hidden, then shown; it is read from the live object, so
// one line per user action, told once the action is over, is never overtaken by the next.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& line);

private:
    QWidget* notice_ = nullptr;
};

// The notice an Announcer shows.
class AnnouncedLine : public QWidget {
    Q_OBJECT
public:
    explicit AnnouncedLine(QWidget* parent);
};

// Escape and Return as a desktop dialog honours them: Escape cancels; Return or Enter
// presses the push button that has the focus, or else accepts. False for other keys.
bool dialog_key(const QKeyEvent& event, QWidget* focus, const std::function<void()>& accept,
                const std::function<void()>& cancel);

}  // namespace trivolo
