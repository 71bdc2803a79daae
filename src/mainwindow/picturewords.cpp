#include "mainwindow/picturewords.h"

#include "platform/pictures.h"
#include "platform/translations.h"
#include "settings/settings.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace trivolo {

namespace {

// The catalogues' context of these texts, which tools/make-assets looks them up in.
constexpr const char* kContext = "trivolo::pictures";

QString translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// Each worded status picture and what it says. Short words: they are drawn large.
constexpr std::array<std::pair<QLatin1StringView, const char*>, 5> kWordedPictures{{
    //: The banner over the side panel while Player1 is to move.
    {settings::kPlayer1Banner, QT_TRANSLATE_NOOP("trivolo::pictures", "Player1")},
    //: The banner over the side panel while Player2 (or the computer) is to move.
    {settings::kPlayer2Banner, QT_TRANSLATE_NOOP("trivolo::pictures", "Player2")},
    //: The festive strip under the board when Player1 has won.
    {settings::kPlayer1WinPicture, QT_TRANSLATE_NOOP("trivolo::pictures", "Player1 Wins!")},
    //: The festive strip under the board when Player2 (or the computer) has won.
    {settings::kPlayer2WinPicture, QT_TRANSLATE_NOOP("trivolo::pictures", "Player2 Wins!")},
    //: The strip under the board when the board is full and nobody has won.
    {settings::kDrawPicture, QT_TRANSLATE_NOOP("trivolo::pictures", "Match Drawn")},
}};

// The card's steps: a menu and its command as the menu bar names them, and what it is for.
constexpr std::array<std::pair<const char*, const char*>, 3> kSteps{{
    //: The Game menu and its New Game command, as the menu bar names them.
    {QT_TRANSLATE_NOOP("trivolo::pictures", "Game, New Game"),
     QT_TRANSLATE_NOOP("trivolo::pictures", "for a new game")},
    //: The Game menu and its Game Mode command, as the menu bar names them.
    {QT_TRANSLATE_NOOP("trivolo::pictures", "Game, Game Mode"),
     QT_TRANSLATE_NOOP("trivolo::pictures", "to change the game mode")},
    //: The Help menu and its Guide command, as the menu bar names them.
    {QT_TRANSLATE_NOOP("trivolo::pictures", "Help, Guide"),
     QT_TRANSLATE_NOOP("trivolo::pictures", "to master the game")},
}};

}  // namespace

QString words_in(QLatin1StringView picture)
{
    for (const auto& [worded, words] : kWordedPictures)
        if (worded == picture)
            return translated(words);
    return {};
}

QString how_to_play_title()
{
    //: The title of the card beside the board before the first game.
    return translated(QT_TRANSLATE_NOOP("trivolo::pictures", "How To Play"));
}

QString how_to_play_steps()
{
    QStringList steps;
    for (const auto& [command, purpose] : kSteps)
        //: One step of the how-to-play card, read out: %1 is a menu and its command, %2 what it is for.
        steps << QCoreApplication::translate("trivolo::pictures", "%1: %2.")
                     .arg(translated(command), translated(purpose));
    return steps.join(u' ');
}

void show_status_picture(QLabel* box, QLatin1StringView picture)
{
    show_picture(box, load_picture(in_language(settings::app_file(picture))));
    box->setAccessibleDescription(words_in(picture));
}

}  // namespace trivolo
