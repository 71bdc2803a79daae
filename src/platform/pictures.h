#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

namespace trivolo {

// The shape drawn in a cell when a mark's picture cannot be loaded.
enum class FallbackMark { Cross, Ring };

// Loads a picture file. An empty path gives no picture; a file that is missing or
// not a picture also gives none, with a warning naming it on standard error.
QPixmap load_picture(const QString& path);

// A picture of the images folder, named by a bare file name. Any other name (with a
// folder, "..", empty) is never loaded and gives no picture, with a warning.
QPixmap load_image(const QString& image_name);

// A player's mark from the images folder. A name that is not a bare file name, or a
// file that does not load, gives the drawn fallback mark instead.
QPixmap load_player_mark(const QString& image_name, FallbackMark fallback);

// The computer's mark, or a drawn ring when its picture does not load.
QPixmap load_computer_mark();

// A clearly drawn cross or ring that fills a board cell.
QPixmap draw_fallback_mark(FallbackMark shape);

// Shows the picture in a picture box and paints it at once, so that it is on the
// screen before a sound plays or a message box opens.
void show_picture(QLabel* box, const QPixmap& picture);

}  // namespace trivolo
