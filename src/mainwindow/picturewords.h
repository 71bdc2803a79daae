#pragma once

#include <QLabel>
#include <QLatin1StringView>
#include <QString>

namespace trivolo {

// The words drawn into the game's pictures. tools/make-assets draws each language's variant of a
// picture from the catalogues' translations of these texts, and the window gives them to a screen
// reader with the picture: a player who cannot see it hears what it says.

// The words of a status picture of the application folder, named as settings names it (the turn
// banners and the result pictures); empty for a picture without words.
QString words_in(QLatin1StringView picture);

// The how-to-play card's title, and its three steps read out as sentences.
QString how_to_play_title();
QString how_to_play_steps();

// Shows a status picture of the application folder in the player's language where it has its own,
// and tells a screen reader its words.
void show_status_picture(QLabel* box, QLatin1StringView picture);

}  // namespace trivolo
