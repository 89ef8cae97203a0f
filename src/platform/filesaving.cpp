#include "filesaving.h"

#include <QFileInfo>
#include <QSaveFile>

namespace FileSaving {

QString replace(const QString &path, const QByteArray &content)
{
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
