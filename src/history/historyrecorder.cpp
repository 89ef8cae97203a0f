#include "historyrecorder.h"

#include "historysql.h"
#include "lookedtables.h"
#include "platform/detail.h"
#include "quiz/quizscoring.h"
#include "scheduletables.h"
#include "testwriter.h"

#include <QCoreApplication>

#include <utility>

namespace {

// Why a test or a practice round was not recorded, and what becomes of the history and the next
// one.
QString notRecorded(const QSqlError &error, bool practice)
{
    const QString what =
        practice ? HistoryRecorder::tr("This practice round could not be recorded in the history "
                                       "of your tests")
                 : HistoryRecorder::tr("This test could not be recorded in the history of your "
                                       "tests");
    const QString kept = HistoryRecorder::tr("The history still holds every test recorded before.");
    switch (HistorySql::code(error)) {
    case HistorySql::Full:
        return HistoryRecorder::tr(
                   "%1: the disk is full.\n\n%2 Make room on the disk, and the next test is "
                   "recorded again.")
            .arg(what, kept);
    case HistorySql::ReadOnly:
        return HistoryRecorder::tr(
                   "%1: its file can no longer be written, perhaps because its folder or the disk "
                   "was made read-only.\n\n%2")
            .arg(what, kept);
    case HistorySql::Corrupt:
    case HistorySql::NotADatabase:
        return HistoryRecorder::tr(
                   "%1: the file is damaged.\n\nStart Orlendra again: a damaged history is moved "
                   "aside, and a new one begins.")
            .arg(what);
    default:
        return HistoryRecorder::tr("%1.\n\n%2").arg(what, kept);
    }
}

} // namespace

HistoryRecorder::HistoryRecorder(HistoryDatabase &database)
    : m_database(database)
{}

HistoryRecorder::Result HistoryRecorder::record(const AnswerSheet &sheet, const QDateTime &finished)
{
    Batch test{false, sheet.subject, sheet.level, sheet.stoneTypes, {}};
    for (const AnsweredQuestion &question : sheet.answers)
        test.answers.append({sheet.subject, &question});
    return record(test, finished);
}

HistoryRecorder::Result HistoryRecorder::record(const PracticeRound &round,
                                                const QDateTime &finished)
{
    // A round asks at most what is due; more than a test would be no round.
    if (round.answers.isEmpty() || round.answers.size() > QuestionCount)
        return Result::Failed;
    // The test row's subject, which nothing reads for a round, is its first answer's.
    Batch practice{true, round.answers.constFirst().subject, round.level, round.stoneTypes, {}};
    for (const PracticeAnswer &answer : round.answers)
        practice.answers.append({answer.subject, &answer.question});
    return record(practice, finished);
}

const Schedule &HistoryRecorder::schedule()
{
    // A file opened again (a backup restored) has boxes of its own.
    if (m_schedule && m_scheduleOf != m_database.connectionName())
        m_schedule.reset();
    if (!m_schedule) {
        QSqlError ignored;
        m_schedule = Schedule();
        if (m_database.open()) {
            QSqlDatabase db = HistorySql::connection(m_database);
            m_schedule = ScheduleTables::read(db, ignored);
        }
        m_scheduleOf = m_database.connectionName();
    }
    return *m_schedule;
}

HistoryRecorder::Result HistoryRecorder::record(const Batch &batch, const QDateTime &finished)
{
    if (!m_database.open())
        return m_database.waiting() ? Result::Waiting : Result::Failed;
    // A history that can only be read said so once, when it was opened.
    if (!m_database.writable())
        return Result::Failed;
    const Schedule before = schedule();
    Schedule after = before;
    QSqlDatabase db = HistorySql::connection(m_database);
    QSqlError error;
    bool done = db.transaction();
    if (!done)
        error = db.lastError();
    const int perQuestion = QuizScoring::requiredTicks(batch.level);
    const qint64 when = finished.toMSecsSinceEpoch();
    if (done) {
        TestWriter writer(db);
        int total = 0;
        for (const Answer &answer : batch.answers)
            total += answer.question->score;
        const auto asked = static_cast<int>(batch.answers.size());
        const TestWriter::Test test{when,  batch.subject,       batch.level,   batch.stoneTypes,
                                    total, perQuestion * asked, batch.practice};
        const qint64 id = writer.addTest(test, error);
        done = id >= 0;
        if (done &&
            std::exchange(m_phrasesOf, m_database.connectionName()) != m_database.connectionName())
            m_phrases.clear();
        for (int q = 0; done && q < asked; ++q) {
            const Answer &kept = batch.answers[q];
            const AnsweredQuestion &question = *kept.question;
            done = writer.addAnswer(m_phrases, id, q + 1, question, kept.subject, test, perQuestion,
                                    error);
            if (question.stone >= 0 && question.stone < StoneCount)
                after.answer(question.stone, kept.subject, outcomeOf(question.score, perQuestion),
                             finished);
        }
        done = done && ScheduleTables::write(db, before, after, {learnerDay(finished)}, error);
    }
    if (done && db.commit()) {
        m_schedule = std::move(after);
        return Result::Recorded;
    }
    if (error.type() == QSqlError::NoError)
        error = db.lastError();
    db.rollback();
    // Phrases added by the test that was rolled back are gone again.
    m_phrases.clear();
    if (HistorySql::busy(error))
        return Result::Waiting;
    m_database.tell(withDetail(notRecorded(error, batch.practice), error.text()));
    return Result::Failed;
}

bool HistoryRecorder::forget()
{
    if (!m_database.open())
        return false;
    if (!m_database.writable()) {
        m_database.tell(tr("The history could not be emptied: %1. Every test is still in it.")
                            .arg(m_database.whyReadOnly()));
        return false;
    }
    QSqlDatabase db = HistorySql::connection(m_database);
    QSqlQuery query(db);
    bool done = db.transaction();
    for (const QString &table :
         LookedTables::names() +
             QStringList{QStringLiteral("answer"), QStringLiteral("test"),
                         QStringLiteral("stone_tally"), QStringLiteral("phrase")} +
             ScheduleTables::names())
        done = done && query.exec(QStringLiteral("DELETE FROM %1").arg(table));
    m_phrases.clear();
    m_schedule.reset();
    if (done && db.commit()) {
        // What was forgotten leaves the disk too, not just the history: the freed pages would
        // keep the old answers in the file, and its size, until they were written over. Should
        // this fail, the history is empty all the same.
        query.exec(QStringLiteral("VACUUM"));
        query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        return true;
    }
    const QSqlError error = done ? db.lastError() : query.lastError();
    db.rollback();
    m_database.tell(withDetail(HistorySql::code(error) == HistorySql::Full
                                   ? tr("The history could not be emptied: the disk is full. "
                                        "Every test is still in it; make room on the disk and "
                                        "try again.")
                                   : tr("The history could not be emptied. Every test is still "
                                        "in it; try again."),
                               error.text()));
    return false;
}
