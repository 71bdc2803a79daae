#include "platform/files.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trivolo {

bool open_regular_file(QFile& file, QString& reason)
{
    // Without O_NONBLOCK, opening a named pipe waits for a writer; a regular file ignores it.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = qt_error_string(errno);
        return false;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = QStringLiteral("not a regular file");
    } else if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        return true;
    } else {
        reason = file.errorString();
    }
    ::close(fd);
    return false;
}

}  // namespace trivolo
