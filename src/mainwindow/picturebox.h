#pragma once

#include <QAccessible>
#include <QLabel>

namespace trivolo {

// A picture box: shows one picture at its natural size from the top-left corner,
// clipped to the box, and reports a click of the left mouse button. A box that takes
// the focus frames its inside while it holds it, once its window is used from the keyboard.
// Screen readers meet it in one role whatever it shows (a label that shows a picture would
// turn from a label into an image), an image unless it is given another.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QAccessible::Role screen_reader_role() const { return screen_reader_role_; }
    void set_screen_reader_role(QAccessible::Role role) { screen_reader_role_ = role; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAccessible::Role screen_reader_role_ = QAccessible::Graphic;
};

}  // namespace trivolo
