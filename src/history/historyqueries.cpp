#include "historyqueries.h"

#include "historysql.h"
#include "scheduletables.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {

QJsonArray fromJson(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).array();
}

QStringList toStrings(const QJsonArray &ids, const QHash<qint64, QString> &phrases)
{
    QStringList strings;
    strings.reserve(ids.size());
    for (const QJsonValue &id : ids)
        strings.append(phrases.value(id.toInteger()));
    return strings;
}

} // namespace

HistoryQueries::HistoryQueries(HistoryDatabase &database)
    : m_database(database)
{}

QList<PastTest> HistoryQueries::pastTests()
{
    QList<PastTest> tests;
    if (!m_database.open())
        return tests;
    QSqlQuery query(HistorySql::connection(m_database));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, finished, subject, level, score, most, practice "
                                   "FROM test ORDER BY finished DESC, id DESC"))) {
        m_database.tell(
            QStringLiteral("The history could not be read: %1.").arg(query.lastError().text()));
        return tests;
    }
    while (query.next()) {
        tests.append({query.value(0).toLongLong(), query.value(1).toLongLong(),
                      static_cast<QuizSubject>(query.value(2).toInt()),
                      static_cast<qint16>(query.value(3).toInt()), query.value(4).toInt(),
                      query.value(5).toInt(), query.value(6).toInt() != 0});
    }
    return tests;
}

QList<QDate> HistoryQueries::answeredDays()
{
    if (!m_database.open())
        return {};
    QSqlDatabase db = HistorySql::connection(m_database);
    QSqlError ignored;
    return ScheduleTables::answeredDays(db, ignored);
}

QList<StoneTally> HistoryQueries::stones()
{
    QList<StoneTally> stones(StoneCount);
    for (int stone = 0; stone < StoneCount; ++stone)
        stones[stone].stone = static_cast<StoneIndex>(stone);
    if (m_database.open()) {
        QSqlQuery query(HistorySql::connection(m_database));
        query.exec(QStringLiteral("SELECT stone, subject, asked, full, last FROM stone_tally"));
        while (query.next()) {
            const int stone = query.value(0).toInt();
            if (stone < 0 || stone >= StoneCount)
                continue;
            StoneTally &tally = stones[stone];
            const bool keywords = query.value(1).toInt() == int(QuizSubject::Keywords);
            (keywords ? tally.keywordsAsked : tally.meaningsAsked) = query.value(2).toInt();
            (keywords ? tally.keywordsFull : tally.meaningsFull) = query.value(3).toInt();
            tally.lastAskedMs = std::max(tally.lastAskedMs, query.value(4).toLongLong());
        }
    }
    std::stable_sort(stones.begin(), stones.end(), [](const StoneTally &a, const StoneTally &b) {
        if ((a.asked() == 0) != (b.asked() == 0))
            return b.asked() == 0;
        return a.share() < b.share();
    });
    return stones;
}

std::optional<AnswerSheet> HistoryQueries::sheet(qint64 testId)
{
    if (!m_database.open())
        return std::nullopt;
    QSqlQuery query(HistorySql::connection(m_database));
    query.prepare(QStringLiteral("SELECT subject, level, stone_types FROM test WHERE id = ?"));
    query.addBindValue(testId);
    if (!query.exec() || !query.next())
        return std::nullopt;
    AnswerSheet sheet;
    sheet.subject = static_cast<QuizSubject>(query.value(0).toInt());
    sheet.level = static_cast<qint16>(query.value(1).toInt());
    for (int kind = 0; kind < 3; ++kind)
        sheet.stoneTypes[kind] = query.value(2).toInt() & (1 << kind);
    QHash<qint64, QString> phrases;
    query.exec(QStringLiteral("SELECT id, body FROM phrase"));
    while (query.next())
        phrases.insert(query.value(0).toLongLong(), query.value(1).toString());
    query.prepare(QStringLiteral("SELECT question, stone, faces, options, ticked, correct, score "
                                 "FROM answer WHERE test = ?"));
    query.addBindValue(testId);
    if (!query.exec())
        return std::nullopt;
    while (query.next()) {
        const int q = query.value(0).toInt() - 1;
        if (q < 0 || q >= QuestionCount)
            continue;
        AnsweredQuestion &answer = sheet.answers[q];
        answer.stone = static_cast<StoneIndex>(query.value(1).toInt());
        for (const QJsonValue &kind : fromJson(query.value(2).toString()))
            answer.meaningKinds.append(kind.toInt());
        answer.options = toStrings(fromJson(query.value(3).toString()), phrases);
        for (QChar tick : query.value(4).toString())
            answer.ticked.append(tick == QLatin1Char('1'));
        answer.correctAnswers = toStrings(fromJson(query.value(5).toString()), phrases);
        answer.score = static_cast<qint16>(query.value(6).toInt());
    }
    return sheet;
}
