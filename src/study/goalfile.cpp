#include "goalfile.h"

#include "platform/filesaving.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <filesystem>

namespace GoalFile {

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");
const QByteArray utf8Bom = QByteArrayLiteral("\xef\xbb\xbf");

// Windows-1252 for the bytes 0x80 to 0x9F. The five bytes it leaves undefined keep the character
// of their own number, as Latin-1 reads them, so that every byte has a character and back.
constexpr std::array<char16_t, 32> windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = code >= 0x80 && code < 0xA0 ? QChar(windows1252High[code - 0x80]) : QChar(code);
    }
    return text;
}

// The byte that stands for the character in Windows-1252, or -1 when there is none.
int windows1252Byte(QChar character)
{
    const char16_t code = character.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return code;
    const auto found = std::find(windows1252High.begin(), windows1252High.end(), code);
    return found == windows1252High.end()
               ? -1
               : 0x80 + static_cast<int>(found - windows1252High.begin());
}

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// cutShort: the content is only the beginning of a file, so a character may be cut in two at its
// end without the file being any less UTF-8.
Decoded decode(QByteArrayView content, bool cutShort)
{
    const bool bom = content.startsWith(utf8Bom);
    // A byte order mark after the first one is text like any other and is kept.
    QStringDecoder::Flags flags = QStringDecoder::Flag::ConvertInitialBom;
    if (!cutShort)
        flags |= QStringDecoder::Flag::Stateless;
    QStringDecoder utf8(QStringDecoder::Utf8, flags);
    QString text = utf8(bom ? content.sliced(utf8Bom.size()) : content);
    if (!utf8.hasError())
        return {text, bom ? Encoding::Utf8WithBom : Encoding::Utf8};
    return {fromWindows1252(content), Encoding::Windows1252};
}

bool hasLineTooLong(const QStringList &lines)
{
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString &line) { return line.size() > longestEditableLine; });
}

} // namespace

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

QString encodingName(Encoding encoding)
{
    return encoding == Encoding::Windows1252 ? QStringLiteral("Windows-1252")
                                             : QStringLiteral("UTF-8");
}

QString boxTextFor(const QByteArray &fileContent)
{
    return splitLines(decode(fileContent, false).text).join(QStringLiteral("\r\n"));
}

QByteArray fileContentFor(const QString &boxText, Encoding encoding)
{
    qsizetype first = 0;
    qsizetype last = boxText.size();
    while (first < last && boxText.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && boxText.at(last - 1) == QLatin1Char(' '))
        --last;
    const QStringView text = QStringView(boxText).sliced(first, last - first);
    QByteArray content;
    switch (encoding) {
    case Encoding::Utf8WithBom:
        content = utf8Bom + text.toUtf8();
        break;
    case Encoding::Utf8:
        content = text.toUtf8();
        break;
    case Encoding::Windows1252:
        content.reserve(text.size() + lineEnd.size());
        for (const QChar character : text) {
            const int byte = windows1252Byte(character);
            content.append(byte < 0 ? '?' : static_cast<char>(byte));
        }
        break;
    }
    return content + lineEnd;
}

QStringList charactersNotIn(Encoding encoding, const QString &text)
{
    QStringList found;
    if (encoding != Encoding::Windows1252)
        return found;
    for (qsizetype i = 0; i < text.size() && found.size() < 10; ++i) {
        if (windows1252Byte(text.at(i)) >= 0)
            continue;
        // A character beyond the first 65536 takes two places; both go together.
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QString character = text.mid(i, length);
        if (!found.contains(character))
            found.append(character);
        i += length - 1;
    }
    return found;
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

Stamp stampOf(const QString &path)
{
    namespace fs = std::filesystem;
    const fs::path file(QFile::encodeName(path).toStdString());
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (error)
        return {};
    const auto modified = fs::last_write_time(file, error);
    if (error)
        return {};
    QFile content(path);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    if (FileSaving::openForReading(content))
        digest.addData(content.read(largestEditableFile + 1));
    return {static_cast<qint64>(size), static_cast<qint64>(modified.time_since_epoch().count()),
            digest.result()};
}

Loaded load(const QString &path)
{
    Loaded loaded;
    loaded.stamp = stampOf(path);
    QFile file(path);
    if (!FileSaving::openForReading(file)) {
        loaded.unreadable = FileSaving::pathKind(path) != FileSaving::PathKind::Missing;
        return loaded;
    }
    // No more is read than could be edited: of a larger file only the beginning is shown.
    QByteArray content = file.read(largestEditableFile + 1);
    const bool cutShort = content.size() > largestEditableFile;
    if (cutShort)
        content.truncate(largestEditableFile);
    const Decoded decoded = decode(content, cutShort);
    const QStringList lines = splitLines(decoded.text);
    loaded.boxText = lines.join(QStringLiteral("\r\n"));
    loaded.encoding = decoded.encoding;
    loaded.tooLarge = cutShort || hasLineTooLong(lines);
    if (loaded.tooLarge)
        loaded.boxText.truncate(longestEditableLine);
    return loaded;
}

QString save(const QString &path, const QString &boxText, Encoding encoding)
{
    // A goal the next start would only show, never let the user edit, is not written at all.
    const QByteArray content = fileContentFor(boxText, encoding);
    if (content.size() > largestEditableFile)
        return QCoreApplication::translate("GoalFile", "It would be larger than %1 MiB, and a goal "
                                                       "that large cannot be edited here.")
            .arg(largestEditableFile >> 20);
    if (hasLineTooLong(splitLines(decode(content, false).text)))
        return QCoreApplication::translate("GoalFile", "It has a line longer than %1 characters, "
                                                       "and a goal with such a line cannot be "
                                                       "edited here.")
            .arg(QLocale(QLocale::English).toString(longestEditableLine));
    return FileSaving::replace(path, content);
}

} // namespace GoalFile
