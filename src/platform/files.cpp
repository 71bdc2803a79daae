#include "platform/files.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trivolo {

namespace {

constexpr char kReplacementSuffix[] = ".trivolo-new-";
constexpr qsizetype kRandomLength = 6;  // the characters mkstemp puts in place of "XXXXXX"

// What the name of a file's replacement begins with: the file's name, cut so that the whole name
// stays within the system's limit on the length of a name, and the suffix.
QByteArray replacement_stem(const QByteArray& file_name)
{
    const qsizetype room = NAME_MAX - qsizetype(sizeof kReplacementSuffix - 1) - kRandomLength;
    return file_name.left(room) + kReplacementSuffix;
}

bool is_random_character(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// True for a name of the shape replace_file gives its new files: a name, the suffix, six letters or digits.
bool is_replacement_name(const QByteArray& name)
{
    const qsizetype random_start = name.size() - kRandomLength;
    const qsizetype suffix_start = random_start - qsizetype(sizeof kReplacementSuffix - 1);
    return suffix_start > 0 && name.sliced(suffix_start).startsWith(kReplacementSuffix)
        && std::all_of(name.cbegin() + random_start, name.cend(), is_random_character);
}

// The folder of a path (without the separator) and the file's name in it.
std::pair<QByteArray, QByteArray> split_path(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return {".", path};
    return {slash == 0 ? QByteArray("/") : path.first(slash), path.sliced(slash + 1)};
}

// Removes the regular files in the folder whose names the predicate takes.
void remove_files_named(const QByteArray& folder, const std::function<bool(const QByteArray&)>& wanted)
{
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    QList<QByteArray> doomed;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info { };
        if (wanted(QByteArray(entry->d_name)) && ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode))
            doomed.append(entry->d_name);
    }
    // Removed once the listing is done, which removals under way could disturb.
    for (const QByteArray& name : doomed)
        ::unlinkat(::dirfd(dir), name.constData(), 0);
    ::closedir(dir);
}

}  // namespace

Result<> open_regular_file(QFile& file, const QByteArray& path)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer; a regular file ignores it.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failure{qt_error_string(errno)};
    struct stat info { };
    //: Why a settings file could not be read: it is a folder, a device or the like.
    Failure failure{QCoreApplication::translate("trivolo::files", "not a regular file")};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            return {};
        failure.reason = file.errorString();
    }
    ::close(fd);
    return failure;
}

Result<> copy_missing_file(const QByteArray& from, const QByteArray& to)
{
    QFile source;
    // A source that reads as missing leaves nothing to copy.
    if (::access(to.constData(), F_OK) == 0 || !open_regular_file(source, from).ok())
        return {};
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return Failure{source.errorString()};
    return replace_file(to, bytes);
}

Result<> replace_file(const QByteArray& path, const QByteArray& bytes)
{
    // Through a link, the file it leads to is replaced and the link kept.
    std::array<char, PATH_MAX> resolved{};
    const QByteArray target = ::realpath(path.constData(), resolved.data()) ? QByteArray(resolved.data()) : path;
    // rename() asks only the folder: the file's own permission is checked here.
    if (::access(target.constData(), W_OK) != 0 && errno != ENOENT)
        return Failure{qt_error_string(errno)};
    const auto [folder, name] = split_path(target);
    const QByteArray stem = replacement_stem(name);
    remove_files_named(folder, [&stem](const QByteArray& entry) {
        return entry.size() == stem.size() + kRandomLength && entry.startsWith(stem) && is_replacement_name(entry);
    });
    QByteArray temporary = folder + '/' + stem + "XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return Failure{qt_error_string(errno)};
    struct stat old { };
    const mode_t mode = ::stat(target.constData(), &old) == 0 ? old.st_mode & 07777 : 0644;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        done += count;
    }
    const bool written = done == bytes.size() && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int write_error = errno;
    ::close(fd);
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return {};
    const Failure failure{qt_error_string(written ? errno : write_error)};
    ::unlink(temporary.constData());
    return failure;
}

void remove_unfinished_replacements(const QString& folder)
{
    remove_files_named(QFile::encodeName(folder), is_replacement_name);
}

QList<QByteArray> visible_file_names(const QString& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info { };
        // Hidden names begin with a dot, as "." and ".." do; stat follows links.
        const QByteArray name(entry->d_name);
        if (!name.startsWith('.') && !is_replacement_name(name) && ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0
            && S_ISREG(info.st_mode))
            names.append(name);
    }
    ::closedir(dir);
    // The bytes break ties between names that read alike, so the order never depends on the folder's.
    std::ranges::sort(names, {},
                      [](const QByteArray& name) { return std::pair(readable_file_name(name).toLower(), name); });
    return names;
}

QString readable_file_name(const QByteArray& name)
{
    const QString decoded = QFile::decodeName(name);
    return QFile::encodeName(decoded) == name ? decoded : QString::fromLatin1(name);
}

}  // namespace trivolo
