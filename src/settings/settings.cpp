#include "settings/settings.h"

#include "platform/files.h"
#include "platform/log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <optional>

namespace trivolo::settings {

namespace {

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

// The settings files and pictures a player may change, as the installation ships them: their
// names as bytes, relative to the application folder.
QList<QByteArray> installed_data_files()
{
    QList<QByteArray> names;
    for (const QLatin1StringView name : {kSoundFile, kModeFile, kPlayerImageFile, kMenuFile})
        names.append(QByteArray(name.data(), name.size()));
    const QByteArray images(kImagesFolder.data(), kImagesFolder.size());
    for (const QByteArray& image : visible_file_names(app_file(kImagesFolder)))
        names.append(images + '/' + image);
    return names;
}

// Copies each installed data file the folder lacks, as a file the player can change. False,
// with a warning, when a copy fails.
bool complete_from_installation(const QString& folder)
{
    for (const QByteArray& name : installed_data_files()) {
        const QByteArray source = QFile::encodeName(app_folder()) + name;
        const QByteArray target = QFile::encodeName(folder) + name;
        if (QString reason; !copy_missing_file(source, target, reason)) {
            qCWarning(lcTrivolo, "cannot copy %s to %s: %s", source.constData(), target.constData(),
                      qUtf8Printable(reason));
            return false;
        }
    }
    return true;
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

// The file's first bytes, or nothing and the reason it could not be read.
std::optional<QByteArray> read_start(const QString& path, QString& reason)
{
    QFile file(path);
    if (!open_regular_file(file, QFile::encodeName(path), reason))
        return std::nullopt;
    QByteArray text = file.read(kMaxSettingsBytes);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return text;
}

QStringList read_lines(QLatin1StringView relative_name, int count, QString* unreadable)
{
    const QString path = data_file(relative_name);
    QString reason;
    const std::optional<QByteArray> text = read_start(path, reason);
    QStringList lines;
    if (text) {
        lines = first_lines(*text, count);
    } else {
        qCWarning(lcTrivolo, "cannot read %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
        if (unreadable && QFileInfo::exists(path))
            *unreadable = reason;
    }

    if (text && lines.size() < count)
        qCWarning(lcTrivolo, "%s holds fewer than %d line(s); the missing ones read as empty", qUtf8Printable(path),
                  count);
    while (lines.size() < count)
        lines.append(QString());
    return lines;
}

// A write killed half way leaves its new file beside the file (see replace_file); the next
// write removes it.
void remove_stale_temporaries(const QString& path)
{
    const QFileInfo target(path);
    QDir folder = target.dir();
    const QString pattern = target.fileName() + QLatin1String(kReplacementSuffix) + QStringLiteral("??????");
    for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::CaseSensitive))
        folder.remove(name);
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
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    return probe.open() && probe.write("x", 1) == 1 && probe.flush();
}

void choose_data_folder(const QString& user_folder, bool app_folder_writable)
{
    if (app_folder_writable)
        return;
    // A player's folder that cannot be made complete would lose the installed settings.
    if (user_folder.isEmpty() || !QDir().mkpath(user_folder + kImagesFolder)
        || !complete_from_installation(user_folder)) {
        qCWarning(lcTrivolo, "cannot prepare \"%s\"; settings are read from %s and cannot be saved",
                  qUtf8Printable(user_folder), qUtf8Printable(app_folder()));
        return;
    }
    user_data_folder() = user_folder;
}

QByteArray image_path(const QString& stored_name)
{
    // One character of the line is one byte of the name, so the checks for separators
    // and dots hold for the bytes in any encoding.
    const QByteArray file_name = stored_name.toLatin1();
    if (!is_bare_file_name(stored_name)) {
        qCWarning(lcTrivolo, "\"%s\" is not a picture name inside the images folder",
                  qUtf8Printable(readable_file_name(file_name)));
        return {};
    }
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
    return read_lines(relative_name, 1, nullptr).first();
}

QStringList read_first_two_lines(QLatin1StringView relative_name, QString* unreadable)
{
    return read_lines(relative_name, 2, unreadable);
}

WriteResult refused_write(QLatin1StringView relative_name, const QString& reason)
{
    return {false, QStringLiteral("Could not save %1: %2").arg(data_file(relative_name), reason)};
}

WriteResult write_lines(QLatin1StringView relative_name, const QStringList& values)
{
    const QString path = data_file(relative_name);
    remove_stale_temporaries(path);
    QByteArray text;
    for (const QString& value : values)
        text += value.toLatin1() + "\r\n";

    QString reason;
    if (replace_file(QFile::encodeName(path), text, reason))
        return {};
    return refused_write(relative_name, reason);
}

}  // namespace trivolo::settings
