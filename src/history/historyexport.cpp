#include "historyexport.h"

#include "historysql.h"
#include "quiz/quizrules.h"

#include <QDateTime>

#include <algorithm>

namespace HistoryExport {

QByteArray csv(HistoryDatabase &database)
{
    QString text = QStringLiteral("finished,subject,level,question,stone,score,most,round\r\n");
    if (!database.open())
        return text.toUtf8();
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QSqlQuery query(HistorySql::connection(database));
    query.setForwardOnly(true);
    query.exec(
        QStringLiteral("SELECT t.finished, coalesce(a.subject, t.subject), t.level, "
                       "a.question, a.stone, a.score, t.practice FROM answer a "
                       "JOIN test t ON t.id = a.test ORDER BY t.finished, t.id, a.question"));
    while (query.next()) {
        const qint16 level = static_cast<qint16>(query.value(2).toInt());
        const QStringList fields{
            QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC)
                .toString(Qt::ISODate),
            query.value(1).toInt() == int(QuizSubject::Meanings) ? QStringLiteral("Meanings")
                                                                 : QStringLiteral("Keywords"),
            level == QuizSetup::Advanced ? QStringLiteral("Advanced") : QStringLiteral("Beginner"),
            query.value(3).toString(),
            csvField(catalogue.stoneNames.at(std::clamp(query.value(4).toInt(), 0, StoneCount))),
            query.value(5).toString(),
            QString::number(QuizRules::requiredTicks(level)),
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
