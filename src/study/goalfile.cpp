#include "goalfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace GoalFile {

namespace {
const QByteArray lineEnd = QByteArrayLiteral("\r\n");
}

QString fileName(int goal)
{
    return QStringLiteral("Goal%1.txt").arg(goal);
}

QString defaultText(int goal)
{
    return QStringLiteral("This is Goal %1.").arg(goal);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

QString boxTextFor(const QByteArray &fileContent)
{
    QStringDecoder decode(QStringDecoder::System);
    return splitLines(decode(fileContent)).join(QStringLiteral("\r\n"));
}

QByteArray fileContentFor(const QString &boxText)
{
    qsizetype first = 0;
    qsizetype last = boxText.size();
    while (first < last && boxText.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && boxText.at(last - 1) == QLatin1Char(' '))
        --last;
    QStringEncoder encode(QStringEncoder::System);
    QByteArray content = encode(QStringView(boxText).sliced(first, last - first));
    return content + lineEnd;
}

void createIfMissing(const QString &path, int goal)
{
    // Anything standing at the path, even a folder, is left alone.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.write(defaultText(goal).toLatin1() + lineEnd);
}

QString load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return boxTextFor(file.readAll());
}

QString save(const QString &path, const QString &boxText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray content = fileContentFor(boxText);
    if (file.write(content) != content.size())
        return file.errorString();
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace GoalFile
