#include "historyrecorder.h"

#include "historysql.h"
#include "lookedtables.h"
#include "platform/detail.h"
#include "quiz/quizscoring.h"
#include "scheduletables.h"

#include <QCoreApplication>
#include <QJsonDocument>

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

QString toJson(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
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
        QSqlQuery test(db);
        test.prepare(QStringLiteral("INSERT INTO test(finished, subject, level, stone_types, "
                                    "score, most, practice) VALUES(?, ?, ?, ?, ?, ?, ?)"));
        int total = 0;
        for (const Answer &answer : batch.answers)
            total += answer.question->score;
        const auto asked = static_cast<int>(batch.answers.size());
        for (const QVariant &value :
             {QVariant(when), QVariant(static_cast<int>(batch.subject)), QVariant(int(batch.level)),
              QVariant(batch.stoneTypes.toInt()), QVariant(total), QVariant(perQuestion * asked),
              QVariant(batch.practice ? 1 : 0)})
            test.addBindValue(value);
        done = HistorySql::run(test, error);
        const qint64 id = test.lastInsertId().toLongLong();
        QSqlQuery answer(db);
        answer.prepare(QStringLiteral("INSERT INTO answer VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery tally(db);
        tally.prepare(QStringLiteral(
            "INSERT INTO stone_tally VALUES(?, ?, 1, ?, ?) ON CONFLICT(stone, subject) DO UPDATE "
            "SET asked = asked + 1, full = full + excluded.full, last = max(last, excluded.last)"));
        for (int q = 0; done && q < asked; ++q) {
            const Answer &kept = batch.answers[q];
            const AnsweredQuestion &question = *kept.question;
            const int subject = static_cast<int>(kept.subject);
            QJsonArray faces;
            for (MeaningKind kind : question.meaningKinds)
                faces.append(int(kind));
            QString ticked;
            for (bool tick : question.ticked)
                ticked += QLatin1Char(tick ? '1' : '0');
            answer.bindValue(0, id);
            answer.bindValue(1, q + 1);
            answer.bindValue(2, question.stone);
            answer.bindValue(3, toJson(faces));
            answer.bindValue(4, toJson(phraseIds(question.options, error)));
            answer.bindValue(5, ticked);
            answer.bindValue(6, toJson(phraseIds(question.correctAnswers, error)));
            answer.bindValue(7, question.score);
            // A test's answers are all of its subject, which it keeps once.
            answer.bindValue(8, batch.practice ? QVariant(subject) : QVariant());
            tally.bindValue(0, question.stone);
            tally.bindValue(1, subject);
            tally.bindValue(2, question.score >= perQuestion ? 1 : 0);
            tally.bindValue(3, when);
            done = error.type() == QSqlError::NoError && HistorySql::run(answer, error) &&
                   HistorySql::run(tally, error);
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

QJsonArray HistoryRecorder::phraseIds(const QStringList &texts, QSqlError &error)
{
    QSqlDatabase db = HistorySql::connection(m_database);
    if (const QString connection = m_database.connectionName();
        std::exchange(m_phrasesOf, connection) != connection)
        m_phrases.clear();
    if (m_phrases.isEmpty()) {
        QSqlQuery known(db);
        known.setForwardOnly(true);
        known.exec(QStringLiteral("SELECT body, id FROM phrase"));
        while (known.next())
            m_phrases.insert(known.value(0).toString(), known.value(1).toLongLong());
    }
    QJsonArray ids;
    for (const QString &text : texts) {
        auto found = m_phrases.constFind(text);
        if (found == m_phrases.cend()) {
            QSqlQuery add(db);
            add.prepare(QStringLiteral("INSERT INTO phrase(body) VALUES(?)"));
            add.addBindValue(text);
            if (!HistorySql::run(add, error))
                return {};
            found = m_phrases.insert(text, add.lastInsertId().toLongLong());
        }
        ids.append(*found);
    }
    return ids;
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
