#pragma once

// What the history's own sources share about Qt SQL. Only the history floor links Qt SQL, so no
// header that another floor includes may include this one.

#include "historydatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace HistorySql {

// SQLite's primary result codes, which the driver reports as the native error code.
enum Code { Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, Full = 13, NotADatabase = 26 };

inline int code(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// Another connection holds the lock the statement needed: worth another try later.
inline bool busy(const QSqlError &error)
{
    return code(error) == Busy || code(error) == Locked;
}

// Runs a prepared statement; on failure `error` holds why.
inline bool run(QSqlQuery &query, QSqlError &error)
{
    if (query.exec())
        return true;
    error = query.lastError();
    return false;
}

// Runs `statement` on `query`; on failure `error` holds why.
inline bool run(QSqlQuery &query, const QString &statement, QSqlError &error)
{
    if (query.exec(statement))
        return true;
    error = query.lastError();
    return false;
}

// The connection of an open history.
inline QSqlDatabase connection(const HistoryDatabase &database)
{
    return QSqlDatabase::database(database.connectionName(), false);
}

} // namespace HistorySql
