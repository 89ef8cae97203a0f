#include "filesaving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScopeGuard>

#include <cerrno>
#include <filesystem>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileSaving {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileSaving", text);
}

Failure fromErrno(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return {tr("There is not enough room for it there. Make room on the disk, or save it "
                   "somewhere else."),
                qt_error_string(error)};
    case EACCES:
    case EPERM:
    case EROFS:
        return {tr("You may not write there. Save it in a folder of your own, such as your "
                   "documents."),
                qt_error_string(error)};
    case ENOENT:
    case ENOTDIR:
        return {tr("The folder to keep it in does not exist. Choose another folder."),
                qt_error_string(error)};
    default:
        return {tr("It could not be written. Try again, or save it somewhere else."),
                qt_error_string(error)};
    }
}

// Why no new file could be made for the one at `info`.
QString whyNotCreated(const QFileInfo &info)
{
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        return fromErrno(ENOENT).reason;
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return fromErrno(EACCES).reason;
    return fromErrno(EIO).reason;
}

// What a save cannot go into: a pipe, a socket, a folder.
Failure notAFileOrDevice()
{
    // Writing to a pipe would wait for a reader that may never come.
    return {tr("It is neither a file nor a device."), {}};
}

Failure folderInTheWay()
{
    return {tr("A folder of that name is in the way. Choose another name."), {}};
}

// A write cut short sets no error, and Qt's text then says nothing.
Failure notWritten(const QFileDevice *file)
{
    return {tr("It could not be written. Try again, or save it somewhere else."),
            !file || file->error() == QFileDevice::NoError ? QString() : file->errorString()};
}

#ifdef Q_OS_UNIX
// Takes the disk's room for bytes `from` to `to` of the file before anything is written: a save
// that would not fit fails before it has touched anything. 0 when the room is there or the file
// system cannot reserve it (the writing then tells), otherwise the errno.
int reserve(int handle, qint64 from, qint64 to)
{
    if (to <= from)
        return 0;
    const int error = ::posix_fallocate(handle, off_t(from), off_t(to - from));
    return error == ENOSPC || error == EDQUOT || error == EFBIG ? error : 0;
}

// 0 when all of `data` went out, otherwise the errno. `touched` is set once any byte went.
int writeAll(int handle, const QByteArray &data, bool &touched)
{
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t written =
            ::write(handle, data.constData() + done, size_t(data.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        touched = true;
        done += written;
    }
    return 0;
}

Failure writeDevice(const QString &path, const QByteArray &content)
{
    // An atomic save would put a new file where the device was, wherever the user may create
    // files (root may in /dev).
    const int handle = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (handle < 0)
        return fromErrno(errno);
    bool touched = false;
    const int error = writeAll(handle, content, touched);
    ::close(handle);
    return error == 0 ? Failure() : fromErrno(error);
}

// Writes the file over its old content, which is read first so that it can be put back.
Failure writeInPlace(const QString &path, const QByteArray &content)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (handle < 0)
        return fromErrno(errno);
    const auto closing = qScopeGuard([handle] { ::close(handle); });
    QFile reading;
    if (!reading.open(handle, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return fromErrno(EIO);
    const QByteArray old = reading.readAll();
    if (reading.error() != QFileDevice::NoError)
        return {fromErrno(EIO).reason, reading.errorString()};
    reading.close();
    // Sets `touched` once the file is no longer what it was.
    const auto putInPlace = [handle](const QByteArray &data, bool &touched) {
        if (::lseek(handle, 0, SEEK_SET) != 0)
            return errno;
        if (const int error = writeAll(handle, data, touched); error != 0)
            return error;
        touched = true;
        return ::ftruncate(handle, off_t(data.size())) == 0 && ::fsync(handle) == 0 ? 0 : errno;
    };
    if (const int error = reserve(handle, old.size(), content.size()); error != 0) {
        // A reservation cut short may still have made the file longer; what it held is untouched.
        if (::ftruncate(handle, off_t(old.size())) != 0)
            return fromErrno(errno);
        return fromErrno(error);
    }
    bool touched = false;
    const int error = putInPlace(content, touched);
    if (error == 0)
        return {};
    if (touched && putInPlace(old, touched) != 0) {
        return {tr("It could not be written, and what it held before may be lost. Save it "
                   "somewhere else."),
                qt_error_string(error)};
    }
    return fromErrno(error);
}
// The content goes into a file of a name of its own first, which takes the path only once it is
// whole: a link never replaces what stands there, so nothing made in the meantime is lost.
Failure createWhole(const QString &path, const QByteArray &content)
{
    const QFileInfo info(path);
    QByteArray draft;
    int handle = -1;
    for (int attempt = 0; handle < 0 && attempt < 100; ++attempt) {
        draft = QFile::encodeName(info.absoluteDir().filePath(
            QStringLiteral(".%1.%2")
                .arg(info.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
        handle = ::open(draft.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle < 0 && errno != EEXIST)
            return fromErrno(errno);
    }
    if (handle < 0)
        return fromErrno(EEXIST);
    bool touched = false;
    int error = reserve(handle, 0, content.size());
    if (error == 0)
        error = writeAll(handle, content, touched);
    if (error == 0 && ::fsync(handle) != 0)
        error = errno;
    if (::close(handle) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::link(draft.constData(), QFile::encodeName(path).constData()) != 0)
        error = errno;
    ::unlink(draft.constData());
    return error == 0 ? Failure() : fromErrno(error);
}
#else
Failure createWhole(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {whyNotCreated(QFileInfo(path)), file.errorString()};
    if (file.write(content) != content.size() || !file.flush()) {
        const Failure failure = notWritten(&file);
        file.remove();
        return failure;
    }
    return {};
}

int reserve(int, qint64, qint64)
{
    return 0;
}

Failure writeDevice(const QString &path, const QByteArray &content)
{
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        device.write(content) != content.size())
        return {fromErrno(EIO).reason, device.errorString()};
    return {};
}

Failure writeInPlace(const QString &, const QByteArray &)
{
    return {fromErrno(EACCES).reason, {}};
}
#endif

} // namespace

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

QString nameToSave(const QString &typed, const QString &suffix)
{
    if (typed.isEmpty() || suffix.isEmpty() || !QFileInfo(typed).suffix().isEmpty())
        return typed;
    switch (pathKind(typed)) {
    case PathKind::File:
    case PathKind::Device:
    case PathKind::Other:
        return typed;
    case PathKind::Missing:
    case PathKind::Folder:
        break;
    }
    return typed + QLatin1Char('.') + suffix;
}

Failure replace(const QString &path, const QByteArray &content)
{
    Stream stream(path);
    if (!stream.failure().isEmpty())
        return stream.failure();
    if (const Failure failure = stream.write(content); !failure.isEmpty())
        return failure;
    return stream.commit();
}

Failure create(const QString &path, const QByteArray &content)
{
    return createWhole(path, content);
}

Stream::Stream(const QString &path)
    : m_path(path)
{
    switch (pathKind(path)) {
    case PathKind::Device:
        m_holding = m_device = true;
        return;
    case PathKind::Other:
        m_failure = notAFileOrDevice();
        return;
    case PathKind::Folder:
        m_failure = folderInTheWay();
        return;
    case PathKind::Missing:
    case PathKind::File:
        break;
    }
    // The atomic save needs a new file beside the old one. Where the folder forbids that but the
    // file may be written, writing the file in place is the only way to save at all.
    const QFileInfo info(path);
    if (info.isFile() && info.isWritable() && !QFileInfo(info.absolutePath()).isWritable()) {
        m_holding = true;
        return;
    }
    m_file = std::make_unique<QSaveFile>(path);
    // Unbuffered: a write that fails (a full disk) must fail here. A buffered one would only fail
    // when the buffer is flushed on commit, which goes on regardless and puts the empty new file
    // in place of the old one.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_failure = {whyNotCreated(info), m_file->errorString()};
        m_file.reset();
    }
}

Stream::~Stream()
{
    if (m_file)
        m_file->cancelWriting();
}

Failure Stream::write(const QByteArray &part)
{
    if (!m_failure.isEmpty())
        return m_failure;
    if (m_holding) {
        m_held += part;
        return {};
    }
    if (!m_file)
        return m_failure = notWritten(nullptr);
    const qint64 at = m_file->pos();
    if (const int error = reserve(m_file->handle(), at, at + part.size()); error != 0) {
        m_failure = fromErrno(error);
    } else if (m_file->write(part) != part.size()) {
        m_failure = notWritten(m_file.get());
    }
    if (!m_failure.isEmpty())
        std::exchange(m_file, nullptr)->cancelWriting();
    return m_failure;
}

Failure Stream::commit()
{
    if (!m_failure.isEmpty())
        return m_failure;
    if (m_holding) {
        m_holding = false;
        const QByteArray content = std::exchange(m_held, QByteArray());
        return m_failure = m_device ? writeDevice(m_path, content) : writeInPlace(m_path, content);
    }
    if (!m_file || !m_file->commit())
        m_failure = notWritten(m_file.get());
    m_file.reset();
    return m_failure;
}

} // namespace FileSaving
