#include "historyrecorder.h"

#include "historysql.h"
#include "platform/detail.h"
#include "quiz/quizrules.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryRecorder", text);
}

// Why a test was not recorded, and what becomes of the history and the next test.
QString notRecorded(const QSqlError &error)
{
    const QString kept = tr("The history still holds every test recorded before.");
    switch (HistorySql::code(error)) {
    case HistorySql::Full:
        return tr("This test could not be recorded in the history of your tests: the disk is "
                  "full.\n\n%1 Make room on the disk, and the next test is recorded again.")
            .arg(kept);
    case HistorySql::ReadOnly:
        return tr("This test could not be recorded in the history of your tests: its file can "
                  "no longer be written, perhaps because its folder or the disk was made "
                  "read-only.\n\n%1")
            .arg(kept);
    case HistorySql::Corrupt:
    case HistorySql::NotADatabase:
        return tr("This test could not be recorded in the history of your tests: the file is "
                  "damaged.\n\nStart Orlendra again: a damaged history is moved aside, and a "
                  "new one begins.");
    default:
        return tr("This test could not be recorded in the history of your tests.\n\n%1").arg(kept);
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

bool HistoryRecorder::record(const AnswerSheet &sheet, const QDateTime &finished)
{
    // A history that can only be read said so once, when it was opened.
    if (!m_database.writable())
        return false;
    QSqlDatabase db = HistorySql::connection(m_database);
    QSqlError error;
    bool done = db.transaction();
    if (!done)
        error = db.lastError();
    const int perQuestion = QuizRules::requiredTicks(sheet.level);
    const int subject = static_cast<int>(sheet.subject);
    const qint64 when = finished.toMSecsSinceEpoch();
    if (done) {
        QSqlQuery test(db);
        test.prepare(QStringLiteral("INSERT INTO test(finished, subject, level, stone_types, "
                                    "score, most) VALUES(?, ?, ?, ?, ?, ?)"));
        int types = 0;
        for (int kind = 0; kind < 3; ++kind)
            types |= sheet.stoneTypes[kind] ? 1 << kind : 0;
        for (const QVariant &value :
             {QVariant(when), QVariant(subject), QVariant(sheet.level), QVariant(types),
              QVariant(sheet.total()), QVariant(perQuestion * QuestionCount)})
            test.addBindValue(value);
        done = HistorySql::run(test, error);
        const qint64 id = test.lastInsertId().toLongLong();
        QSqlQuery answer(db);
        answer.prepare(QStringLiteral("INSERT INTO answer VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery tally(db);
        tally.prepare(QStringLiteral(
            "INSERT INTO stone_tally VALUES(?, ?, 1, ?, ?) ON CONFLICT(stone, subject) DO UPDATE "
            "SET asked = asked + 1, full = full + excluded.full, last = max(last, excluded.last)"));
        for (int q = 0; done && q < QuestionCount; ++q) {
            const AnsweredQuestion &asked = sheet.answers[q];
            QJsonArray faces;
            for (int kind : asked.meaningKinds)
                faces.append(kind);
            QString ticked;
            for (bool tick : asked.ticked)
                ticked += QLatin1Char(tick ? '1' : '0');
            answer.bindValue(0, id);
            answer.bindValue(1, q + 1);
            answer.bindValue(2, asked.stone);
            answer.bindValue(3, toJson(faces));
            answer.bindValue(4, toJson(phraseIds(asked.options, error)));
            answer.bindValue(5, ticked);
            answer.bindValue(6, toJson(phraseIds(asked.correctAnswers, error)));
            answer.bindValue(7, asked.score);
            tally.bindValue(0, asked.stone);
            tally.bindValue(1, subject);
            tally.bindValue(2, asked.score >= perQuestion ? 1 : 0);
            tally.bindValue(3, when);
            done = error.type() == QSqlError::NoError && HistorySql::run(answer, error) &&
                   HistorySql::run(tally, error);
        }
    }
    if (done && db.commit())
        return true;
    if (error.type() == QSqlError::NoError)
        error = db.lastError();
    db.rollback();
    // Phrases added by the test that was rolled back are gone again.
    m_phrases.clear();
    m_database.tell(withDetail(notRecorded(error), error.text()));
    return false;
}

QJsonArray HistoryRecorder::phraseIds(const QStringList &texts, QSqlError &error)
{
    QSqlDatabase db = HistorySql::connection(m_database);
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
    for (const char *table : {"answer", "test", "stone_tally", "phrase"})
        done = done && query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    m_phrases.clear();
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
