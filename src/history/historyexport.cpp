#include "historyexport.h"

#include "historysql.h"
#include "quiz/quizscoring.h"

#include <QDateTime>

namespace HistoryExport {

// The query, stepped a slice at a time, on a connection of its own when one could be opened.
struct Slices::Reading {
    QString reader;
    QSqlQuery query;
    // The row the query stands on belongs to the next slice.
    bool onRow = false;
    qint64 test = -1;

    ~Reading()
    {
        query = QSqlQuery();
        HistoryDatabase::closeReader(reader);
    }
};

QByteArray csv(HistoryDatabase &database, const std::optional<QSet<qint64>> &leftOut)
{
    Slices slices(database, leftOut);
    QByteArray text;
    while (!slices.atEnd() || text.isEmpty())
        text += slices.next(1000);
    return text;
}

Slices::Slices(HistoryDatabase &database, const std::optional<QSet<qint64>> &leftOut)
    : m_leftOut(leftOut)
{
    if (!leftOut || !database.open())
        return;
    m_reading = std::make_unique<Reading>();
    m_reading->reader = database.openReader();
    QSqlDatabase db = m_reading->reader.isEmpty()
                          ? HistorySql::connection(database)
                          : QSqlDatabase::database(m_reading->reader, false);
    // One read for the count and the lines: both see the same tests.
    if (!m_reading->reader.isEmpty())
        db.transaction();
    m_reading->query = QSqlQuery(db);
    QSqlQuery &query = m_reading->query;
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT count(*) FROM test")) && query.next())
        m_count = query.value(0).toLongLong();
    query.exec(
        QStringLiteral("SELECT t.finished, coalesce(a.subject, t.subject), t.level, "
                       "a.question, a.stone, a.score, t.practice, t.id FROM answer a "
                       "JOIN test t ON t.id = a.test ORDER BY t.finished, t.id, a.question"));
}

Slices::~Slices() = default;

QByteArray Slices::next(int tests)
{
    QString text;
    if (!std::exchange(m_headerWritten, true))
        text = QStringLiteral("finished,subject,level,question,stone,score,most,round\r\n");
    if (!m_reading)
        return text.toUtf8();
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QSqlQuery &query = m_reading->query;
    int started = 0;
    while (m_reading->onRow || (m_reading->onRow = query.next())) {
        const qint64 test = query.value(7).toLongLong();
        if (test != m_reading->test) {
            if (started == tests)
                return text.toUtf8();
            ++started;
            ++m_done;
            m_reading->test = test;
        }
        m_reading->onRow = false;
        const int stone = query.value(4).toInt();
        if (m_leftOut->contains(test) || stone < 0 || stone >= StoneCount)
            continue;
        const auto level = static_cast<QuizLevel>(query.value(2).toInt());
        const QStringList fields{
            QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC)
                .toString(Qt::ISODate),
            subjectName(static_cast<QuizSubject>(query.value(1).toInt())),
            levelName(level),
            query.value(3).toString(),
            csvField(catalogue.stoneNames.at(stone)),
            query.value(5).toString(),
            QString::number(QuizScoring::requiredTicks(level)),
            query.value(6).toInt() ? QStringLiteral("practice") : QStringLiteral("test")};
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    m_reading.reset();
    m_done = std::max(m_done, m_count);
    return text.toUtf8();
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace HistoryExport
