#pragma once

#include "historyrecords.h"

#include <QDate>

#include <optional>

class HistoryDatabase;

// What the Progress window reads from the history. A history that cannot be read reads as empty.
class HistoryQueries
{
public:
    explicit HistoryQueries(HistoryDatabase &database);
    Q_DISABLE_COPY_MOVE(HistoryQueries)

    // Newest first.
    QList<PastTest> pastTests();
    // Every stone, weakest first: those asked by their share of full answers, the lowest first,
    // then those never asked, each group in futhark order.
    QList<StoneTally> stones();
    // Every learner day with answers, oldest first.
    QList<QDate> answeredDays();
    // The whole test, for its review.
    std::optional<AnswerSheet> sheet(qint64 testId);

private:
    HistoryDatabase &m_database;
};
