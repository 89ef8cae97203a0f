#pragma once

#include "quiz/quizrecords.h"

#include <QByteArray>
#include <QList>

class QFile;

// One computer's journal in a folder a file-sync tool shares: a text file only ever appended to,
// one record a line. A line is "ORJ1 <checksum> <JSON>": the checksum lets a reader take a record
// whole or not at all, wherever a copy or a crash cut the file, and the tag lets a later version
// write records this one knows to pass over.
namespace SyncJournal {

// The longest line a record may take; anything longer is not one of ours.
constexpr qsizetype MaxLine = 1 << 20;

struct Record {
    enum class Kind { Test, Round, Forget };
    Kind kind = Kind::Test;
    // 32 lowercase hex digits, made once where the test was taken.
    QByteArray id;
    // When the test or round finished; for a forget, the moment before which every test goes.
    qint64 finishedMs = 0;
    QuizLevel level = QuizLevel::Beginner;
    StoneTypes stoneTypes;
    // A test's answers all have the test's subject.
    QList<PracticeAnswer> answers;

    QuizSubject subject() const
    {
        return answers.isEmpty() ? QuizSubject::Keywords : answers.constFirst().subject;
    }
};

// Whether the record holds only what a recording writes: the history keeps nothing else.
bool possible(const Record &record);

// The record's line, its newline included.
QByteArray encode(const Record &record);

enum class LineKind { Whole, Damaged, Newer };
// Reads one line (without its newline); `record` is set only for a Whole line.
LineKind decode(const QByteArray &line, Record &record);

// What one read of a journal found.
struct Reading {
    QList<Record> records;
    // Where the next read starts: just after the last whole line, or past the junk skipped.
    qint64 next = 0;
    int damaged = 0;
    int newer = 0;
    // The file ends in a line that has no end yet: a record being written, or one cut short.
    bool unfinished = false;
    // Everything up to the end of the file has been looked at.
    bool atEnd = false;
};

// Reads `file`, open for reading, from `from`, looking at about `budget` bytes at most.
Reading read(QFile &file, qint64 from, qint64 budget);

// What identifies the content up to `position`: the bytes just before it. A file replaced by
// another (a sync tool writes a new copy and renames it over the old) no longer matches.
QByteArray fingerprint(QFile &file, qint64 position);

// Appends the lines to the journal at `path`, creating it. After a run killed while appending,
// the torn line is ended first so that the next record reads on a line of its own. An empty text
// on success, otherwise why not.
QString append(const QString &path, const QByteArray &lines);

} // namespace SyncJournal
