#include "settings/settings.h"

#include "platform/files.h"
#include "platform/log.h"
#include "settings/settings_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <string_view>

#include <unistd.h>

namespace trivolo::settings {

namespace {

constexpr bool shipped(QLatin1StringView name)
{
    return std::ranges::find(kSettingsFiles, std::string_view(name.data(), size_t(name.size())),
                             [](QLatin1StringView file) { return std::string_view(file.data(), size_t(file.size())); })
        != kSettingsFiles.end();
}
static_assert(shipped(kSoundFile) && shipped(kModeFile) && shipped(kPlayerImageFile) && shipped(kMenuFile),
              "each settings file needs its first contents in assets/settings/");

// Settings files hold a word or a file name per line; nothing legitimate comes
// near this, so a huge or binary file is read no further.
constexpr qint64 kMaxSettingsBytes = 4096;

QString& folder_override()
{
    static QString folder;
    return folder;
}

// The player's own data folder, when the application folder cannot be written.
QString& user_data_folder()
{
    static QString folder;
    return folder;
}

// Copies the installed file, named relative to the application folder, to the folder unless it
// is there already, as a file the player can change.
Result<> copy_installed(const QString& folder, const QByteArray& name)
{
    const QByteArray source = QFile::encodeName(app_folder()) + name;
    const QByteArray target = QFile::encodeName(folder) + name;
    if (const Result<> copied = copy_missing_file(source, target); !copied.ok())
        return Failure{QStringLiteral("cannot copy %1 to %2: %3")
                           .arg(readable_file_name(source), readable_file_name(target), copied.reason())};
    return {};
}

// Gives the folder each installed settings file and picture it lacks. Without its settings files
// the folder is of no use; a picture that cannot be copied is only missing from the choice until
// a later start copies it.
Result<> complete_from_installation(const QString& folder)
{
    for (const QLatin1StringView name : kSettingsFiles)
        if (Result<> copied = copy_installed(folder, QByteArray(name.data(), name.size())); !copied.ok())
            return copied;
    const QByteArray images(kImagesFolder.data(), kImagesFolder.size());
    for (const QByteArray& image : visible_file_names(app_file(kImagesFolder)))
        if (const Result<> copied = copy_installed(folder, images + '/' + image); !copied.ok())
            qCWarning(lcTrivolo, "%s", qUtf8Printable(copied.reason()));
    return {};
}

// Splits off up to `count` lines; a line ends at LF (a CR before it is dropped) or at
// the end of the text. Lines the text lacks are not returned.
QStringList first_lines(const QByteArray& text, int count)
{
    QStringList lines;
    qsizetype start = 0;
    while (lines.size() < count && start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArray line = text.mid(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(QString::fromLatin1(line));
        start = end + 1;
    }
    return lines;
}

// The file's first bytes.
Result<QByteArray> read_start(const QString& path)
{
    QFile file;
    if (Result<> opened = open_regular_file(file, QFile::encodeName(path)); !opened.ok())
        return Failure{opened.reason()};
    QByteArray text = file.read(kMaxSettingsBytes);
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    return text;
}

// The first `count` lines of the file, those it lacks as empty text, with a warning naming the
// file when it has too few. A file that cannot be read fails.
Result<QStringList> read_lines(const QString& path, int count)
{
    const Result<QByteArray> text = read_start(path);
    if (!text.ok())
        return Failure{text.reason()};
    QStringList lines = first_lines(text.value(), count);
    if (lines.size() < count)
        qCWarning(lcTrivolo, "%s holds fewer than %d line(s); the missing ones read as empty", qUtf8Printable(path),
                  count);
    while (lines.size() < count)
        lines.append(QString());
    return lines;
}

// The lines, or as many empty ones, with a warning naming the file, when it cannot be read.
QStringList read_lines_or_empty(QLatin1StringView relative_name, int count)
{
    const QString path = data_file(relative_name);
    const Result<QStringList> lines = read_lines(path, count);
    if (!lines.ok())
        qCWarning(lcTrivolo, "cannot read %s: %s", qUtf8Printable(path), qUtf8Printable(lines.reason()));
    return lines.value_or(QStringList(count, QString()));
}

// A write refused for the reason given, naming the file.
Failure refused_write(QLatin1StringView relative_name, const QString& reason)
{
    //: Shown to the player: %1 is the settings file's path, %2 the system's reason.
    return {QCoreApplication::translate("trivolo::settings", "Could not save %1: %2")
                .arg(data_file(relative_name), reason)};
}

}  // namespace

QString app_folder()
{
    const QString& override_folder = folder_override();
    return override_folder.isEmpty() ? QCoreApplication::applicationDirPath() : override_folder;
}

void set_app_folder(const QString& folder)
{
    folder_override() = folder;
    user_data_folder().clear();
}

QString app_file(QLatin1StringView relative_name)
{
    return app_folder() + relative_name;
}

QString data_file(QLatin1StringView relative_name)
{
    const QString& user_folder = user_data_folder();
    return (user_folder.isEmpty() ? app_folder() : user_folder) + relative_name;
}

bool can_write_in(const QString& folder)
{
    // Asked of the permissions, which also answer for a read-only mount, never of a write: one
    // that fails for lack of room does not make the folder another's.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString player_folder()
{
    // A relative folder would be another one from each working folder: the XDG base directory
    // rules have it ignored, as an unset one is.
    QString data_home = qEnvironmentVariable("XDG_DATA_HOME");
    if (data_home.isEmpty() || QDir::isRelativePath(data_home))
        data_home = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(data_home + QStringLiteral("/Trivolo"));
}

Result<> choose_data_folder(const QString& user_folder, bool app_folder_writable)
{
    if (app_folder_writable)
        return {};
    // A player's folder that cannot be made complete would lose the installed settings.
    Result<> prepared = Failure{QStringLiteral("no folder for a player's settings")};
    if (!user_folder.isEmpty() && QDir().mkpath(user_folder + kImagesFolder)) {
        // What a copy killed half way left there is no picture of the player's.
        remove_unfinished_replacements(user_folder + kImagesFolder);
        prepared = complete_from_installation(user_folder);
    }
    if (!prepared.ok())
        return Failure{QStringLiteral("cannot prepare \"%1\" (%2); settings are read from %3 and cannot be saved")
                           .arg(user_folder, prepared.reason(), app_folder())};
    user_data_folder() = user_folder;
    return {};
}

Result<QByteArray> image_path(const QString& stored_name)
{
    // One character of the line is one byte of the name, so the checks for separators
    // and dots hold for the bytes in any encoding.
    const QByteArray file_name = stored_name.toLatin1();
    if (!is_bare_file_name(stored_name))
        return Failure{
            QStringLiteral("\"%1\" is not a picture name inside the images folder").arg(readable_file_name(file_name))};
    return QFile::encodeName(data_file(kImagesFolder)) + '/' + file_name;
}

QString stored_image_name(const QByteArray& file_name)
{
    return QString::fromLatin1(file_name);
}

bool is_bare_file_name(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(u'\0'));
}

QString read_first_line(QLatin1StringView relative_name)
{
    return read_lines_or_empty(relative_name, 1).first();
}

QStringList read_first_two_lines(QLatin1StringView relative_name)
{
    return read_lines_or_empty(relative_name, 2);
}

Result<QStringList> read_first_two_lines_to_rewrite(QLatin1StringView relative_name)
{
    const QString path = data_file(relative_name);
    const Result<QStringList> lines = read_lines(path, 2);
    if (!lines.ok() && QFileInfo::exists(path))
        return refused_write(
            relative_name,
            QCoreApplication::translate("trivolo::settings", "it could not be read (%1)").arg(lines.reason()));
    return lines.value_or(QStringList(2, QString()));
}

GameMode game_mode_of(const QString& line)
{
    return line == kComputerMode ? GameMode::AgainstComputer : GameMode::TwoPlayers;
}

QLatin1StringView stored_line_of(GameMode mode)
{
    switch (mode) {
    case GameMode::AgainstComputer: return kComputerMode;
    case GameMode::TwoPlayers: return kTwoPlayerMode;
    }
    return kTwoPlayerMode;
}

GameMode read_game_mode()
{
    return game_mode_of(read_first_line(kModeFile));
}

Result<> write_lines(QLatin1StringView relative_name, const QStringList& values)
{
    const QString path = data_file(relative_name);
    QByteArray text;
    for (const QString& value : values)
        text += value.toLatin1() + "\r\n";

    if (const Result<> replaced = replace_file(QFile::encodeName(path), text); !replaced.ok())
        return refused_write(relative_name, replaced.reason());
    return {};
}

}  // namespace trivolo::settings
