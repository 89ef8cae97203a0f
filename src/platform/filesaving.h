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

// The name a save goes to when the user typed `typed` under a filter of files ending in
// `.suffix`: as typed when it has a suffix of its own or names something that is there (a file of
// theirs, a device such as /dev/null), otherwise with the suffix added.
QString nameToSave(const QString &typed, const QString &suffix);

// Why a save did not go through: what happened and what to do, in the program's words, and what
// the system said about it, for whoever wants to know more (may be empty). Empty on success.
struct Failure {
    QString reason;
    QString detail;

    bool isEmpty() const { return reason.isEmpty(); }
};

// Replaces the file atomically: whatever fails, the old file stays intact. Where the folder cannot
// be written but the file can, the file is written in place, as that is the only way to save at
// all, but only once the room for the new content is reserved, and with the old content put back
// should the writing fail after all. A device at the path (a link to /dev/null or to a printer) is
// written as it stands, never replaced by a file of its name.
Failure replace(const QString &path, const QByteArray &content);

} // namespace FileSaving
