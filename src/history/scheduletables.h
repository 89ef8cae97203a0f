#pragma once

#include "schedule.h"

#include <QList>
#include <QSet>
#include <QStringList>

class QSqlDatabase;
class QSqlError;

// The Leitner boxes as the history keeps them, beside the tests: a row for each item answered, the
// learner days with answers and the past days on which nothing was due. The schedule so reads at
// once however long the history; each record writes what it moved in its own transaction.
namespace ScheduleTables {

// The SQL condition on a test `t` that its moment has a day the tables can keep: one past year
// 9999, or before year 1, comes only from a hand edit, and the test is left out as damaged.
QString keptMoment();

// The statements that add the tables to a history that has none.
QStringList creation();
// The tables, for emptying the history.
QStringList names();
// Fills the tables from the answers already recorded, in the order they were given: by the time
// their test finished, then by question.
bool replay(QSqlDatabase &db, QSqlError &error);
// The schedule as kept. A row that makes no sense is passed over: its item counts as new.
Schedule read(QSqlDatabase &db, QSqlError &error);
// Writes the items `after` moved away from `before`, the days it cleared since, and `days`
// among the days answered.
bool write(QSqlDatabase &db, const Schedule &before, const Schedule &after, const QSet<QDate> &days,
           QSqlError &error);
// Every learner day with answers, oldest first.
QList<QDate> answeredDays(QSqlDatabase &db, QSqlError &error);

} // namespace ScheduleTables
