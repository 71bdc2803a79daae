#pragma once

#include <QLabel>

namespace trivolo {

// A picture box: shows one picture at its natural size from the top-left corner,
// clipped to the box, and reports a click of the left mouse button. A box that takes
// the focus frames its inside while it holds it, once its window is used from the keyboard.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace trivolo
