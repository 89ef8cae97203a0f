#pragma once

#include "quiz/quizrecords.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>

class HistoryDatabase;
class QSqlError;

// Writes to the history: each finished test with every answer, in one transaction, and the
// emptying of the whole history. What went wrong is told through the database's notice.
class HistoryRecorder
{
public:
    explicit HistoryRecorder(HistoryDatabase &database);
    Q_DISABLE_COPY_MOVE(HistoryRecorder)

    // Records a finished test; false when it was not kept.
    bool record(const AnswerSheet &sheet, const QDateTime &finished);
    // Empties the history; false when it could not be emptied.
    bool forget();

private:
    // The phrase ids of `texts`, adding those not yet kept; on failure `error` says why.
    QJsonArray phraseIds(const QStringList &texts, QSqlError &error);

    HistoryDatabase &m_database;
    // Every phrase kept so far, read on the first record.
    QHash<QString, qint64> m_phrases;
};
