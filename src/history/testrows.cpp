#include "testrows.h"

#include "historysql.h"
#include "testwriter.h"

#include <QJsonDocument>

namespace {

QString compact(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

} // namespace

QJsonArray TestRows::meaningKinds(const AnsweredQuestion &question)
{
    QJsonArray kinds;
    for (MeaningKind kind : question.meaningKinds)
        kinds.append(int(kind));
    return kinds;
}

QString TestRows::ticks(const AnsweredQuestion &question)
{
    QString ticked;
    for (bool tick : question.ticked)
        ticked += QLatin1Char(tick ? '1' : '0');
    return ticked;
}

QJsonArray PhraseIds::of(QSqlDatabase &db, const QStringList &texts, QSqlError &error)
{
    if (m_ids.isEmpty()) {
        QSqlQuery known(db);
        known.setForwardOnly(true);
        known.exec(QStringLiteral("SELECT body, id FROM phrase"));
        while (known.next())
            m_ids.insert(known.value(0).toString(), known.value(1).toLongLong());
    }
    QJsonArray ids;
    for (const QString &text : texts) {
        auto found = m_ids.constFind(text);
        if (found == m_ids.cend()) {
            QSqlQuery add(db);
            add.prepare(QStringLiteral("INSERT INTO phrase(body) VALUES(?)"));
            add.addBindValue(text);
            if (!HistorySql::run(add, error))
                return {};
            found = m_ids.insert(text, add.lastInsertId().toLongLong());
        }
        ids.append(*found);
    }
    return ids;
}

TestWriter::TestWriter(const QSqlDatabase &db)
    : m_db(db)
    , m_test(db)
    , m_answer(db)
    , m_tally(db)
{
    m_test.prepare(QStringLiteral("INSERT INTO test(finished, subject, level, stone_types, "
                                  "score, most, practice) VALUES(?, ?, ?, ?, ?, ?, ?)"));
    m_answer.prepare(QStringLiteral("INSERT INTO answer(test, question, stone, faces, options, "
                                    "ticked, correct, score, subject) "
                                    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    m_tally.prepare(QStringLiteral(
        "INSERT INTO stone_tally VALUES(?, ?, 1, ?, ?) ON CONFLICT(stone, subject) DO UPDATE "
        "SET asked = asked + 1, full = full + excluded.full, last = max(last, excluded.last)"));
}

qint64 TestWriter::addTest(const Test &test, QSqlError &error)
{
    const QVariantList values{QVariant(test.finishedMs),      QVariant(int(test.subject)),
                              QVariant(int(test.level)),      QVariant(test.stoneTypes.toInt()),
                              QVariant(test.score),           QVariant(test.most),
                              QVariant(test.practice ? 1 : 0)};
    for (int i = 0; i < values.size(); ++i)
        m_test.bindValue(i, values[i]);
    if (!HistorySql::run(m_test, error))
        return -1;
    return m_test.lastInsertId().toLongLong();
}

bool TestWriter::addAnswer(PhraseIds &phrases, qint64 id, int number,
                           const AnsweredQuestion &question, QuizSubject subject, const Test &test,
                           int needed, QSqlError &error)
{
    m_answer.bindValue(0, id);
    m_answer.bindValue(1, number);
    m_answer.bindValue(2, question.stone);
    m_answer.bindValue(3, compact(TestRows::meaningKinds(question)));
    m_answer.bindValue(4, compact(phrases.of(m_db, question.options, error)));
    m_answer.bindValue(5, TestRows::ticks(question));
    m_answer.bindValue(6, compact(phrases.of(m_db, question.correctAnswers, error)));
    m_answer.bindValue(7, question.score);
    // A test's answers are all of its subject, which it keeps once.
    m_answer.bindValue(8, test.practice ? QVariant(int(subject)) : QVariant());
    m_tally.bindValue(0, question.stone);
    m_tally.bindValue(1, int(subject));
    m_tally.bindValue(2, question.score >= needed ? 1 : 0);
    m_tally.bindValue(3, test.finishedMs);
    return error.type() == QSqlError::NoError && HistorySql::run(m_answer, error) &&
           HistorySql::run(m_tally, error);
}
