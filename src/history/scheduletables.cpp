#include "scheduletables.h"

#include "historysql.h"
#include "quiz/quizscoring.h"

#include <QVariant>

#include <algorithm>

namespace {

// Days as ISO text: they sort as dates and read as dates in any SQLite shell.
QString dayText(QDate day)
{
    // A day that ISO text cannot hold would be kept as nothing at all.
    return std::min(day, lastScheduleDay()).toString(Qt::ISODate);
}

QDate dayOf(const QVariant &value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

bool sameState(const ItemState &a, const ItemState &b)
{
    return a.box == b.box && a.due == b.due && a.lapses == b.lapses &&
           a.lastAnswered == b.lastAnswered;
}

using HistorySql::run;

} // namespace

namespace ScheduleTables {

QString keptMoment()
{
    // From 0001-01-01T00:00:00Z to 9999-12-31T23:59:59.999Z.
    return QStringLiteral("typeof(t.finished) = 'integer' AND "
                          "t.finished BETWEEN -62135596800000 AND 253402300799999");
}

QStringList creation()
{
    return {
        // Only items answered at least once have a row; the others are new.
        QStringLiteral("CREATE TABLE schedule_item(stone INTEGER NOT NULL, "
                       "subject INTEGER NOT NULL, box INTEGER NOT NULL, due TEXT NOT NULL, "
                       "lapses INTEGER NOT NULL, last TEXT NOT NULL, "
                       "PRIMARY KEY(stone, subject)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE answered_day(day TEXT PRIMARY KEY) WITHOUT ROWID"),
        // What a streak needs to skip the days with nothing due, which the items no longer tell.
        QStringLiteral("CREATE TABLE clear_span(first TEXT PRIMARY KEY, last TEXT NOT NULL) "
                       "WITHOUT ROWID"),
    };
}

QStringList names()
{
    return {QStringLiteral("schedule_item"), QStringLiteral("answered_day"),
            QStringLiteral("clear_span")};
}

bool replay(QSqlDatabase &db, QSqlError &error)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query,
             QStringLiteral("SELECT t.finished, coalesce(a.subject, t.subject), t.level, a.stone, "
                            "a.score FROM answer a JOIN test t ON t.id = a.test WHERE %1 "
                            "ORDER BY t.finished, t.id, a.question")
                 .arg(keptMoment()),
             error))
        return false;
    Schedule schedule;
    QSet<QDate> days;
    while (query.next()) {
        const int stone = query.value(3).toInt();
        const int subject = query.value(1).toInt();
        if (stone < 0 || stone >= StoneCount || subject < 0 || subject > 1)
            continue;
        const QDateTime when = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong());
        const int needed =
            QuizScoring::requiredTicks(static_cast<QuizLevel>(query.value(2).toInt()));
        schedule.answer(static_cast<StoneIndex>(stone), static_cast<QuizSubject>(subject),
                        outcomeOf(query.value(4).toInt(), needed), when);
        days.insert(learnerDay(when));
    }
    return write(db, Schedule(), schedule, days, error);
}

Schedule read(QSqlDatabase &db, QSqlError &error)
{
    Schedule schedule;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query,
             QStringLiteral("SELECT stone, subject, box, due, lapses, last FROM schedule_item"),
             error))
        return schedule;
    while (query.next()) {
        const int stone = query.value(0).toInt();
        const int subject = query.value(1).toInt();
        ItemState state;
        state.box = static_cast<qint16>(query.value(2).toInt());
        state.due = dayOf(query.value(3));
        state.lapses = query.value(4).toInt();
        state.lastAnswered = dayOf(query.value(5));
        if (stone < 0 || stone >= StoneCount || subject < 0 || subject > 1 || state.box < 1 ||
            state.box > TopBox || !state.due.isValid() || !state.lastAnswered.isValid())
            continue;
        schedule.restoreItem({static_cast<StoneIndex>(stone), static_cast<QuizSubject>(subject)},
                             state);
    }
    QList<Schedule::DaySpan> spans;
    if (!run(query, QStringLiteral("SELECT first, last FROM clear_span ORDER BY first"), error))
        return schedule;
    while (query.next()) {
        const Schedule::DaySpan span{dayOf(query.value(0)), dayOf(query.value(1))};
        if (span.first.isValid() && span.last >= span.first &&
            (spans.isEmpty() || spans.last().last < span.first))
            spans.append(span);
    }
    if (!run(query, QStringLiteral("SELECT max(day) FROM answered_day"), error) || !query.next())
        return schedule;
    schedule.restoreDays(dayOf(query.value(0)), std::move(spans));
    return schedule;
}

bool write(QSqlDatabase &db, const Schedule &before, const Schedule &after, const QSet<QDate> &days,
           QSqlError &error)
{
    QSqlQuery item(db);
    item.prepare(QStringLiteral("INSERT OR REPLACE INTO schedule_item VALUES(?, ?, ?, ?, ?, ?)"));
    for (StoneIndex stone = 0; stone < StoneCount; ++stone) {
        for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings}) {
            const ItemState &state = after.item(stone, subject);
            if (sameState(state, before.item(stone, subject)))
                continue;
            item.bindValue(0, stone);
            item.bindValue(1, static_cast<int>(subject));
            item.bindValue(2, state.box);
            item.bindValue(3, dayText(state.due));
            item.bindValue(4, state.lapses);
            item.bindValue(5, dayText(state.lastAnswered));
            if (!run(item, error))
                return false;
        }
    }
    QSqlQuery span(db);
    span.prepare(QStringLiteral("INSERT OR REPLACE INTO clear_span VALUES(?, ?)"));
    for (qsizetype i = before.clearSpans().size(); i < after.clearSpans().size(); ++i) {
        span.bindValue(0, dayText(after.clearSpans()[i].first));
        span.bindValue(1, dayText(after.clearSpans()[i].last));
        if (!run(span, error))
            return false;
    }
    QSqlQuery day(db);
    day.prepare(QStringLiteral("INSERT OR IGNORE INTO answered_day VALUES(?)"));
    for (QDate answered : days) {
        day.bindValue(0, dayText(answered));
        if (!run(day, error))
            return false;
    }
    return true;
}

QList<QDate> answeredDays(QSqlDatabase &db, QSqlError &error)
{
    QList<QDate> days;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT day FROM answered_day ORDER BY day"), error))
        return days;
    while (query.next()) {
        if (const QDate day = dayOf(query.value(0)); day.isValid())
            days.append(day);
    }
    return days;
}

} // namespace ScheduleTables
