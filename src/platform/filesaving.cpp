#include "filesaving.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileSaving {

PathKind pathKind(const QString &path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(QFile::encodeName(path).toStdString(), error);
    switch (status.type()) {
    case fs::file_type::none:
        // No answer at all: a link that leads in a circle is something, others count as nothing.
        return error == std::errc::too_many_symbolic_link_levels ? PathKind::Other
                                                                 : PathKind::Missing;
    case fs::file_type::not_found:
        return PathKind::Missing;
    case fs::file_type::regular:
        return PathKind::File;
    case fs::file_type::directory:
        return PathKind::Folder;
    case fs::file_type::character:
    case fs::file_type::block:
        return PathKind::Device;
    default:
        // A pipe, a socket, or a path that cannot be looked at.
        return PathKind::Other;
    }
}

bool openForReading(QFile &file)
{
#ifdef Q_OS_UNIX
    // The type is asked of what was opened, so nothing can be put in the file's place between
    // the look and the open.
    const int handle =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return false;
    struct stat info {
    };
    if (::fstat(handle, &info) == 0 && S_ISREG(info.st_mode) &&
        file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(handle);
    return false;
#else
    return pathKind(file.fileName()) == PathKind::File && file.open(QIODevice::ReadOnly);
#endif
}

QString replace(const QString &path, const QByteArray &content)
{
    switch (pathKind(path)) {
    case PathKind::Device: {
        // An atomic save would put a new file where the device was, wherever the user may create
        // files (root may in /dev).
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return device.errorString();
        if (device.write(content) != content.size())
            return device.errorString();
        return {};
    }
    case PathKind::Other:
        // Writing to a pipe would wait for a reader that may never come.
        return QCoreApplication::translate("FileSaving", "It is neither a file nor a device.");
    case PathKind::Missing:
    case PathKind::File:
    case PathKind::Folder:
        break;
    }
    QSaveFile file(path);
    // The atomic save needs a new file beside the old one. Where the folder forbids that but the
    // file may be written, writing the file in place is the only way to save at all.
    const QFileInfo info(path);
    if (info.isFile() && info.isWritable() && !QFileInfo(info.absolutePath()).isWritable())
        file.setDirectWriteFallback(true);
    // Unbuffered: a write that fails (a full disk) must fail here. A buffered one would only fail
    // when the buffer is flushed on commit, which goes on regardless and puts the empty new file
    // in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (file.write(content) != content.size())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace FileSaving
