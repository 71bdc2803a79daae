#pragma once

#include <QString>

class QFile;

namespace trivolo {

// Opens the file (named by its file name) for reading, if it is a regular file. Anything
// else (a named pipe, a device, a socket, a folder) is refused at once, as a missing file
// is, so that reading never waits for a writer that will not come. On failure, `reason`
// says why.
bool open_regular_file(QFile& file, QString& reason);

}  // namespace trivolo
