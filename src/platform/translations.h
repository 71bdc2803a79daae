#pragma once

#include <QLocale>
#include <QString>

namespace trivolo {

// Makes the program speak the first of the locale's languages (by default the player's, as the
// desktop reports it) that the game has a catalogue for in `folder` (trivolo_<language>.qm), and
// loads Qt's own catalogue of that language too, so that the stock buttons match. Catalogues
// installed by an earlier call are removed first. Returns the language found ("de", "pt_BR"),
// or an empty text when the game stays in English: then Qt's buttons stay English as well.
QString install_translations(const QString& folder, const QLocale& locale = QLocale());

// The variant of a file in the language installed last: the same name in a folder named for the
// language beside it ("docs/de/player1.gif" for "docs/player1.gif"), where there is one; else the
// path itself. Serves files and resources (":/...") alike.
QString in_language(const QString& path);

}  // namespace trivolo
