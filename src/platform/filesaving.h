#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;
class QSaveFile;

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

// Makes a new file at the path, whole or not at all: where the disk has no room for all of it,
// no file is left behind, empty or cut short, that would later pass for one the user wrote. Fails
// when anything stands at the path already, and leaves that alone.
Failure create(const QString &path, const QByteArray &content);

// The same replacement for content that comes a part at a time (a large export): the parts go
// into a new file beside the old one, which takes the old one's place only at commit(). Where the
// old file must be written in place, or a device stands at the path, the parts are held until
// commit() and then written as replace() writes them. A stream not committed, whatever went
// wrong or when the user gave up, leaves no new file and the old one as it was.
class Stream
{
public:
    explicit Stream(const QString &path);
    ~Stream();
    Q_DISABLE_COPY_MOVE(Stream)

    // Why nothing can be written, known before the first part; empty when it may begin.
    Failure failure() const { return m_failure; }
    // Each failure is final: the stream takes nothing more.
    Failure write(const QByteArray &part);
    Failure commit();

private:
    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_held; // the parts, when they are written at commit()
    bool m_holding = false;
    bool m_device = false;
    Failure m_failure;
};

} // namespace FileSaving
