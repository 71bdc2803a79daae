#include "platform/files.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trivolo {

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
    QByteArray temporary = target + kReplacementSuffix + "XXXXXX";
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

QList<QByteArray> visible_file_names(const QString& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info { };
        // Hidden names begin with a dot, as "." and ".." do; stat follows links.
        if (entry->d_name[0] != '.' && ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode))
            names.append(QByteArray(entry->d_name));
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
