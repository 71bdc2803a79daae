#pragma once

#include <QLabel>

namespace trivolo {

// A picture box: shows one picture at its natural size from the top-left corner,
// clipped to the box, and reports a click of the left mouse button.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace trivolo
