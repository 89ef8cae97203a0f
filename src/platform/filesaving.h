#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Saving a file the user keeps (a goal, a result): the whole content replaces the old one at once.
namespace FileSaving {

// What stands at a path, links followed. A link that leads in a circle is Other.
enum class PathKind { Missing, File, Folder, Device, Other };
PathKind pathKind(const QString &path);

// Opens the file at file.fileName() for reading, but only when it is a regular file. Anything
// else fails at once: opening a pipe would wait for a writer that may never come.
bool openForReading(QFile &file);

// Replaces the file atomically: whatever fails, the old file stays intact. Where the folder cannot
// be written but the file can, the file is written in place, as that is the only way to save at
// all; a device at the path (a link to /dev/null or to a printer) is written as it stands, never
// replaced by a file of its name. Returns an empty text on success, otherwise why the content
// could not be saved.
QString replace(const QString &path, const QByteArray &content);

} // namespace FileSaving
