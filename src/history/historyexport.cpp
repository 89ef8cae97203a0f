#include "historyexport.h"

#include "historysql.h"
#include "quiz/quizscoring.h"

#include <QDateTime>

namespace HistoryExport {

QByteArray csv(HistoryDatabase &database, const std::optional<QSet<qint64>> &leftOut)
{
    QString text = QStringLiteral("finished,subject,level,question,stone,score,most,round\r\n");
    if (!leftOut || !database.open())
        return text.toUtf8();
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QSqlQuery query(HistorySql::connection(database));
    query.setForwardOnly(true);
    query.exec(
        QStringLiteral("SELECT t.finished, coalesce(a.subject, t.subject), t.level, "
                       "a.question, a.stone, a.score, t.practice, t.id FROM answer a "
                       "JOIN test t ON t.id = a.test ORDER BY t.finished, t.id, a.question"));
    while (query.next()) {
        const int stone = query.value(4).toInt();
        if (leftOut->contains(query.value(7).toLongLong()) || stone < 0 || stone >= StoneCount)
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
