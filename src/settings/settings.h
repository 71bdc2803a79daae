#pragma once

#include <QString>
#include <QStringList>

// The application folder and the settings files that live in it.
// Relative names begin with a separator ("/sound.txt") and are appended
// directly to the folder's path.
namespace trivolo::settings {

// Settings files.
inline constexpr auto kSoundFile = "/sound.txt";
inline constexpr auto kModeFile = "/mode.txt";
inline constexpr auto kPlayerImageFile = "/playerimg.txt";
inline constexpr auto kMenuFile = "/menu.txt";

// Folders and documents.
inline constexpr auto kImagesFolder = "/images";
inline constexpr auto kHelpDocument = "/Help.CHM";
inline constexpr auto kReadMeDocument = "/README.txt";

// Status pictures and the computer's mark.
inline constexpr auto kPlayer1Banner = "/docs/player1.gif";
inline constexpr auto kPlayer2Banner = "/docs/player2.gif";
inline constexpr auto kComputerMark = "/docs/computer.jpeg";
inline constexpr auto kPlayer1WinPicture = "/docs/player1win.gif";
inline constexpr auto kPlayer2WinPicture = "/docs/player2win.gif";
inline constexpr auto kDrawPicture = "/docs/draw.gif";

// Sounds.
inline constexpr auto kStartSound = "/sounds/start.wav";
inline constexpr auto kPlayer1Sound = "/sounds/player1.wav";
inline constexpr auto kPlayer2Sound = "/sounds/player2.wav";
inline constexpr auto kPlayer1WinSound = "/sounds/wonp1.wav";
inline constexpr auto kPlayer2WinSound = "/sounds/wonp2.wav";
inline constexpr auto kDrawSound = "/sounds/draw.wav";

// Values stored in the settings files.
inline constexpr auto kSoundOnValue = "true";
inline constexpr auto kSoundOffValue = "False";
inline constexpr auto kComputerModeValue = "0";
inline constexpr auto kTwoPlayerModeValue = "1";
inline constexpr auto kMenuValue = "false";

// The folder that holds the executable, asked for afresh at every use.
QString app_folder();

// Points the program at another application folder (tests); an empty path restores the default.
void set_app_folder(const QString& folder);

// The application folder's path followed directly by the relative name.
QString app_file(const QString& relative_name);

// The path of a player's mark picture: "/images/" followed by the bare file name.
QString image_file(const QString& file_name);

// True for a plain file name that stays inside its folder: no separator, not "." or "..".
bool is_bare_file_name(const QString& name);

// The first line (without its line end) of a settings file. A missing, unreadable or
// empty file reads as empty text, with a warning naming the file on standard error.
QString read_first_line(const QString& relative_name);

// The first two lines of a settings file; lines the file lacks read as empty text.
QStringList read_first_two_lines(const QString& relative_name);

// The outcome of a write: on failure, a message naming the file and the system's reason.
struct WriteResult {
    bool ok = true;
    QString error;
};

// Replaces the file atomically with the values, each followed by CR LF. A refused
// write leaves the old file as it was.
WriteResult write_lines(const QString& relative_name, const QStringList& values);

}  // namespace trivolo::settings
