#pragma once

#include "quiz/quizrecords.h"
#include "schedule.h"
#include "testrows.h"

#include <QCoreApplication>
#include <QDateTime>

#include <optional>

class HistoryDatabase;
class QSqlError;

// Writes to the history: each finished test or practice round with every answer and the boxes it
// moves, in one transaction, and the emptying of the whole history. What went wrong is told
// through the database's notice.
class HistoryRecorder
{
    Q_DECLARE_TR_FUNCTIONS(HistoryRecorder)

public:
    explicit HistoryRecorder(HistoryDatabase &database);
    Q_DISABLE_COPY_MOVE(HistoryRecorder)

    enum class Result { Recorded, Waiting, Failed };

    // Records a finished test. Waiting when the history may take it later (another program holds
    // the file): nothing is told then.
    Result record(const AnswerSheet &sheet, const QDateTime &finished);
    Result record(const PracticeRound &round, const QDateTime &finished);
    // The boxes as the recorded answers left them: read once, then kept up to date by each
    // record. All items are new in a history that cannot be read.
    const Schedule &schedule();
    // Empties the history; false when it could not be emptied.
    bool forget();
    // After tests were added or taken away beside this recorder: the boxes and texts it keeps
    // are read again.
    void reread()
    {
        m_schedule.reset();
        m_phrases.clear();
    }

private:
    // One answer as it is kept: a practice round's each have a subject of their own.
    struct Answer {
        QuizSubject subject;
        const AnsweredQuestion *question;
    };
    struct Batch {
        bool practice = false;
        QuizSubject subject = QuizSubject::Keywords;
        QuizLevel level = QuizLevel::Beginner;
        StoneTypes stoneTypes;
        QList<Answer> answers;
    };

    Result record(const Batch &batch, const QDateTime &finished);

    HistoryDatabase &m_database;
    PhraseIds m_phrases;
    std::optional<Schedule> m_schedule;
    // The connection they were read on: a file opened again (a backup restored) has its own.
    QString m_phrasesOf;
    QString m_scheduleOf;
};
