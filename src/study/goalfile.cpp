#include "goalfile.h"

#include "platform/filesaving.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <filesystem>

namespace GoalFile {

namespace {

const QByteArray lineEnd = QByteArrayLiteral("\r\n");
const QByteArray utf8Bom = QByteArrayLiteral("\xef\xbb\xbf");

// Qt's codec gives each of the 256 bytes a character of its own, the five that the code page
// leaves undefined included (as Latin-1 reads them), so that a file keeps its bytes through a load
// and a save.
constexpr char windows1252[] = "windows-1252";

// Where the text holds a character the code page cannot: its place and length (two for one
// beyond the first 65536). Qt's encoder writes a byte of its own in their place and tells only
// that there were some, and keeps telling so for all it encodes after, so each character is asked
// of an encoder of its own, once.
struct Place {
    qsizetype at;
    qsizetype length;
};

QList<Place> placesNotHeld(QStringView text)
{
    QStringEncoder whole(windows1252, QStringEncoder::Flag::Stateless);
    [[maybe_unused]] const QByteArray bytes = whole(text);
    if (!whole.hasError())
        return {};
    QList<Place> places;
    QHash<char32_t, bool> held;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView character = text.sliced(i, length);
        const char32_t code = length == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                          : character[0].unicode();
        auto known = held.constFind(code);
        if (known == held.cend()) {
            QStringEncoder one(windows1252, QStringEncoder::Flag::Stateless);
            [[maybe_unused]] const QByteArray byte = one(character);
            known = held.insert(code, !one.hasError());
        }
        if (!*known)
            places.append({i, length});
        i += length;
    }
    return places;
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
    return {QStringDecoder(windows1252, QStringDecoder::Flag::Stateless)(content),
            Encoding::Windows1252};
}

// In the reader's notation; the C locale would drop the English thousands separator.
QString shownNumber(int number)
{
    const QLocale locale;
    return (locale.language() == QLocale::C ? QLocale(QLocale::English) : locale).toString(number);
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
    case Encoding::Windows1252: {
        QString held = text.toString();
        for (const Place &place : placesNotHeld(text))
            held.replace(place.at, place.length, QString(place.length, QLatin1Char('?')));
        content = QStringEncoder(windows1252, QStringEncoder::Flag::Stateless)(held);
        break;
    }
    }
    return content + lineEnd;
}

QStringList charactersNotIn(Encoding encoding, const QString &text)
{
    QStringList found;
    if (encoding != Encoding::Windows1252)
        return found;
    for (const Place &place : placesNotHeld(text)) {
        const QString character = text.mid(place.at, place.length);
        if (!found.contains(character))
            found.append(character);
        if (found.size() == 10)
            break;
    }
    return found;
}

void createIfMissing(const QString &path, int goal)
{
    // Anything standing at the path, even a folder, is left alone.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return;
    FileSaving::create(path, defaultText(goal).toLatin1() + lineEnd);
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

FileSaving::Failure save(const QString &path, const QString &boxText, Encoding encoding)
{
    // A goal the next start would only show, never let the user edit, is not written at all.
    const QByteArray content = fileContentFor(boxText, encoding);
    if (content.size() > largestEditableFile)
        return {QCoreApplication::translate("GoalFile", "It would be larger than %1 MiB, and a "
                                                        "goal that large cannot be edited here.")
                    .arg(largestEditableFile >> 20),
                {}};
    if (hasLineTooLong(splitLines(decode(content, false).text)))
        return {QCoreApplication::translate("GoalFile", "It has a line longer than %1 characters, "
                                                        "and a goal with such a line cannot be "
                                                        "edited here.")
                    .arg(shownNumber(longestEditableLine)),
                {}};
    return FileSaving::replace(path, content);
}

} // namespace GoalFile
