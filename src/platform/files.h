#pragma once

#include "platform/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QFile;

namespace trivolo {

// File names are handled as the system stores them, as bytes: a name that is not in the
// platform's file name encoding (Latin-1 bytes on a UTF-8 system) cannot be turned into text
// and back, and Qt's own file functions cannot open or even list such a file.

// Opens the file at the path for reading into `file`, if it is a regular file. Anything
// else (a named pipe, a device, a socket, a folder) is refused at once, as a missing file
// is, so that reading never waits for a writer that will not come.
Result<> open_regular_file(QFile& file, const QByteArray& path);

// Gives `to` the contents of the regular file `from`, as a new file its owner can change
// (written as replace_file writes, so a copy cut short leaves nothing at `to`), unless `to`
// exists already or `from` reads as missing (see above). Fails only when the copy does.
Result<> copy_missing_file(const QByteArray& from, const QByteArray& to);

// Puts the bytes in the file at the path in one step, so that a write refused or killed half way
// leaves the old contents in place: they go to a new file beside it, named after it (cut short
// where need be, so that the name stays within the system's limit) with ".trivolo-new-" and six
// random letters or digits, which then takes its name. New files that earlier replacements of the
// same file left when they were killed are removed first. The file keeps its permissions (a new
// one gets read and write for its owner, read for others); an existing file that may not be
// written is refused, as the system would refuse writing it in place.
Result<> replace_file(const QByteArray& path, const QByteArray& bytes);

// Removes from the folder every new file that replace_file left when it was killed half way.
void remove_unfinished_replacements(const QString& folder);

// The names of the visible regular files in the folder (links to them included; no hidden
// files, no folders, no unfinished replacements), sorted by their readable names, ignoring case.
// A folder that cannot be read has none.
QList<QByteArray> visible_file_names(const QString& folder);

// A file name as text: decoded as the platform decodes file names or, when the bytes are
// not in that encoding, one byte to one character (Latin-1).
QString readable_file_name(const QByteArray& name);

}  // namespace trivolo
