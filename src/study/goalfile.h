#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The two goal files beside the program: plain text in the system's code page with CR LF line
// ends, always written as one text followed by one CR LF.
namespace GoalFile {

QString fileName(int goal);    // "Goal1.txt", "Goal2.txt"
QString defaultText(int goal); // "This is Goal 1.", "This is Goal 2."

// A line ends at CR, at CR LF, or at a lone LF (files edited with ordinary Linux editors); a last
// line without an ending still counts, and an empty file has no lines.
QStringList splitLines(const QString &text);

// What a goal box shows for a file: its lines joined by CR LF, with nothing after the last, so that
// loading and saving leaves the file as it was.
QString boxTextFor(const QByteArray &fileContent);

// What a save writes for a box: its text with spaces (only) trimmed at both ends, then CR LF.
QByteArray fileContentFor(const QString &boxText);

// Creates the file with its default text when nothing stands at the path. Failure stays silent:
// the user learns of an unwritable folder when a save fails.
void createIfMissing(const QString &path, int goal);

// The box text for the file at path; empty when it cannot be read.
QString load(const QString &path);

// Replaces the file atomically: whatever fails, the old file stays intact. Returns an empty text
// on success, otherwise why the goal could not be saved.
QString save(const QString &path, const QString &boxText);

} // namespace GoalFile
