#pragma once

#include "platform/filesaving.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The two goal files beside the program: plain text with CR LF line ends, always written as one
// text followed by one CR LF. A file is saved back in the encoding it was read in, so that loading
// and saving leaves it byte for byte as it was, whatever system wrote it.
namespace GoalFile {

// A file is read as UTF-8 (with its byte order mark when it starts with one) when it is valid
// UTF-8, and otherwise as Windows-1252, which gives every byte a character of its own, so that a
// file written in an 8-bit code page keeps each of its bytes through a load and a save.
enum class Encoding { Utf8, Utf8WithBom, Windows1252 };

// Beyond these the box can no longer keep up with typing or lay the file out quickly, so the file
// is shown in part and is not edited.
constexpr qsizetype largestEditableFile = 1 << 20; // bytes
constexpr qsizetype longestEditableLine = 30000;   // characters; also how much of a file too
                                                   // large to edit is shown

QString fileName(int goal);    // "Goal1.txt", "Goal2.txt"
QString defaultText(int goal); // "This is Goal 1.", "This is Goal 2."

// A line ends at CR, at CR LF, or at a lone LF (files edited with ordinary Linux editors); a last
// line without an ending still counts, and an empty file has no lines.
QStringList splitLines(const QString &text);

QString encodingName(Encoding encoding); // "UTF-8", "Windows-1252"

// What a goal box shows for a file: its lines joined by CR LF, with nothing after the last, so that
// loading and saving leaves the file as it was.
QString boxTextFor(const QByteArray &fileContent);

// What a save writes for a box: its text with spaces (only) trimmed at both ends, then CR LF. A
// character the encoding cannot hold is written as "?"; ask charactersNotIn() first.
QByteArray fileContentFor(const QString &boxText, Encoding encoding = Encoding::Utf8);

// The distinct characters of the text, at most ten, that the encoding cannot hold; empty when it
// holds them all.
QStringList charactersNotIn(Encoding encoding, const QString &text);

// Creates the file with its default text when nothing stands at the path, whole or not at all, so
// that a start with more room tries again. Failure stays silent: the user learns of an unwritable
// folder when a save fails.
void createIfMissing(const QString &path, int goal);

// The size, time of last change and content of the file at a path, to tell whether another
// program has changed it since. A change to the same size within one tick of the file system's
// clock shows only in the content.
struct Stamp {
    qint64 size = -1; // -1: no file there
    qint64 modified = 0;
    QByteArray digest; // of as much as a load reads
    bool exists() const { return size >= 0; }
    bool operator==(const Stamp &) const = default;
};
Stamp stampOf(const QString &path);

struct Loaded {
    QString boxText; // of a file too large to edit, only its beginning
    Encoding encoding = Encoding::Utf8;
    bool tooLarge = false;
    // Something stands at the path but could not be read (no permission, a folder, a pipe, a
    // device, a link that leads in a circle): the box shows nothing of what the file may hold.
    bool unreadable = false;
    // Taken before reading, so that a change while reading counts as one.
    Stamp stamp;
};

// The file at path as a box shows it; empty when it cannot be read.
Loaded load(const QString &path);

// Replaces the file as FileSaving::replace does, unless the file would be too large to edit once
// loaded again. Returns an empty text on success, otherwise why the goal could not be saved.
FileSaving::Failure save(const QString &path, const QString &boxText,
                         Encoding encoding = Encoding::Utf8);

} // namespace GoalFile
