#pragma once

#include <QByteArray>
#include <QString>

// Saving a file the user keeps (a goal, a result): the whole content replaces the old one at once.
namespace FileSaving {

// Replaces the file atomically: whatever fails, the old file stays intact. Where the folder cannot
// be written but the file can, the file is written in place, as that is the only way to save at
// all. Returns an empty text on success, otherwise why the content could not be saved.
QString replace(const QString &path, const QByteArray &content);

} // namespace FileSaving
