#pragma once

#include "game/mode.h"
#include "platform/result.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

// The application folder, and the data folder that holds the settings files and images/:
// the application folder itself when it can be written (a portable folder), otherwise a
// folder of the player's own (a read-only installation). Relative names begin with a
// separator ("/sound.txt") and are appended directly to the folder's path.
//
// Settings files are 8-bit text. A line is read into a QString one byte to one
// character (Latin-1) and written back the same way, so that every value, in any
// encoding, survives a rewrite byte for byte and compares exactly.
namespace trivolo::settings {

// Settings files, each shipped with its first contents in assets/settings/, which is the one
// list of them: the build generates kSettingsFiles from that folder (settings_files.h).
inline constexpr QLatin1StringView kSoundFile{"/sound.txt"};
inline constexpr QLatin1StringView kModeFile{"/mode.txt"};
inline constexpr QLatin1StringView kPlayerImageFile{"/playerimg.txt"};
inline constexpr QLatin1StringView kMenuFile{"/menu.txt"};

// Folders and documents.
inline constexpr QLatin1StringView kImagesFolder{"/images"};
inline constexpr QLatin1StringView kHelpDocument{"/Help.CHM"};
inline constexpr QLatin1StringView kReadMeDocument{"/README.txt"};
inline constexpr QLatin1StringView kTranslationsFolder{"/translations"};

// Status pictures and the computer's mark.
inline constexpr QLatin1StringView kPlayer1Banner{"/docs/player1.gif"};
inline constexpr QLatin1StringView kPlayer2Banner{"/docs/player2.gif"};
inline constexpr QLatin1StringView kComputerMark{"/docs/computer.jpeg"};
inline constexpr QLatin1StringView kPlayer1WinPicture{"/docs/player1win.gif"};
inline constexpr QLatin1StringView kPlayer2WinPicture{"/docs/player2win.gif"};
inline constexpr QLatin1StringView kDrawPicture{"/docs/draw.gif"};

// Sounds.
inline constexpr QLatin1StringView kStartSound{"/sounds/start.wav"};
inline constexpr QLatin1StringView kPlayer1Sound{"/sounds/player1.wav"};
inline constexpr QLatin1StringView kPlayer2Sound{"/sounds/player2.wav"};
inline constexpr QLatin1StringView kPlayer1WinSound{"/sounds/wonp1.wav"};
inline constexpr QLatin1StringView kPlayer2WinSound{"/sounds/wonp2.wav"};
inline constexpr QLatin1StringView kDrawSound{"/sounds/draw.wav"};

// Values stored in the settings files, compared exactly.
inline constexpr QLatin1StringView kSoundOn{"true"};
inline constexpr QLatin1StringView kSoundOff{"False"};
inline constexpr QLatin1StringView kComputerMode{"0"};
inline constexpr QLatin1StringView kTwoPlayerMode{"1"};
inline constexpr QLatin1StringView kMenuMarker{"false"};

// The mode a line of mode.txt stands for: "0" plays against the computer; any other text, two players.
GameMode game_mode_of(const QString& line);

// The line mode.txt holds for the mode.
QLatin1StringView stored_line_of(GameMode mode);

// Only the exact text "true" switches the sound on.
inline bool is_sound_on(const QString& value)
{
    return value == kSoundOn;
}

// The folder that holds the executable, asked for afresh at every use.
QString app_folder();

// Points the program at another application folder (tests); an empty path restores the default.
// The data folder is then the application folder again, until the next choose_data_folder().
void set_app_folder(const QString& folder);

// The application folder's path followed directly by the relative name: what the installation
// provides (sounds, docs/, the documents).
QString app_file(QLatin1StringView relative_name);

// The data folder's path followed directly by the relative name: the settings files and images/.
QString data_file(QLatin1StringView relative_name);

// True when the folder's permissions let this program create files in it and it is not on a
// read-only mount, whether or not there is room left.
bool can_write_in(const QString& folder);

// The folder of a player's own settings and pictures: Trivolo in $XDG_DATA_HOME, or in
// ~/.local/share when that is unset, empty or not an absolute path.
QString player_folder();

// Chosen once at start-up: when the application folder cannot be written, the data folder is
// `user_folder`, made if need be and completed from the application folder's settings files and
// images/ (a file already there is never overwritten), after the unfinished copies a killed start
// left in its images/ are removed. A user folder that cannot be made, or be given the settings
// files, fails, and leaves the data folder at the application folder; a picture that cannot be
// copied is only left out.
Result<> choose_data_folder(const QString& user_folder, bool app_folder_writable);

// The path of a player's mark picture, named by a line of playerimg.txt, as the bytes the
// system stores it as: the line's bytes are the file's name, in whatever encoding it was
// written. A name that is not a bare file name inside the images folder (empty, with a
// separator, "." or "..") has none.
Result<QByteArray> image_path(const QString& stored_name);

// A file name, as the system stores it, as playerimg.txt stores it: the same bytes.
QString stored_image_name(const QByteArray& file_name);

// True for a plain file name that stays inside its folder: no separator, not "." or "..".
bool is_bare_file_name(const QString& name);

// The first line (without its line end) of a settings file. A missing, unreadable or
// empty file reads as empty text, with a warning naming the file on standard error. Only a
// regular file is read: anything else (a named pipe, a device, a folder) is unreadable at once.
QString read_first_line(QLatin1StringView relative_name);

// The first two lines of a settings file; lines the file lacks read as empty text.
QStringList read_first_two_lines(QLatin1StringView relative_name);

// The same for a caller about to rewrite the file: a file that is there but cannot be read
// fails (with a message naming the file, as a refused write's), as writing it would lose
// what could not be read. A missing file reads as empty lines.
Result<QStringList> read_first_two_lines_to_rewrite(QLatin1StringView relative_name);

// The mode mode.txt holds.
GameMode read_game_mode();

// Replaces the file atomically with the values, each followed by CR LF. A refused write
// leaves the old file as it was and fails with a message naming the file and the system's
// reason. Temporaries that earlier writes of the file left behind when they were killed
// are removed.
Result<> write_lines(QLatin1StringView relative_name, const QStringList& values);

}  // namespace trivolo::settings
