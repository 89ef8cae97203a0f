#pragma once

#include "historyrecords.h"

#include <QCoreApplication>
#include <QDate>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>

class HistoryDatabase;

// What the Progress window reads from the history. A history that cannot be read reads as empty.
// Nothing read is trusted: a test holding a value no recording writes (a history edited by hand)
// is left out of every view, and told once.
class HistoryQueries
{
    Q_DECLARE_TR_FUNCTIONS(HistoryQueries)

public:
    explicit HistoryQueries(HistoryDatabase &database);
    ~HistoryQueries();
    Q_DISABLE_COPY_MOVE(HistoryQueries)

    // Starts looking for the damaged tests beside the program, on a connection and a thread of
    // their own: over a long history that takes seconds, which the first view of a run would
    // otherwise wait for.
    // Only a long look: one that reads more than the few tests changed since the last.
    void lookAhead();

    // Newest first.
    QList<PastTest> pastTests();
    // The tests the chart draws, newest first: every test but the practice rounds, read with no
    // more than the chart needs (no id), as a long history is read whole.
    QList<PastTest> scoredTests();
    // The next `count` tests from where `cursor` stands, newest first, and the cursor moved on.
    // Fewer when some are left out, and maybe none while older ones follow.
    QList<PastTest> pastTests(PastTestsCursor &cursor, int count);
    // Every stone, weakest first: those asked by their share of full answers, the lowest first,
    // then those never asked, each group in futhark order.
    QList<StoneTally> stones();
    // Every learner day with answers, oldest first.
    QList<QDate> answeredDays();
    // The whole test, for its review.
    std::optional<AnswerSheet> sheet(qint64 testId);
    // The whole practice round, for its review.
    std::optional<PracticeRound> round(qint64 testId);

    // The tests every view leaves out, looked for once a run; none when they cannot be looked
    // for, and the history is then not read at all.
    std::optional<QSet<qint64>> damagedTests();
    // While the look begun beside the program goes on past a short wait, `then` is called in
    // `context`'s thread once it has ended, and this is true: a view then shows the history
    // without holding up the window. False when the damaged tests can be had at once.
    bool whenLooked(QObject *context, std::function<void()> then);
    // After the history was emptied: nothing in it is damaged any more.
    void forgotten();
    // After another file took the history's place (a backup restored): looked for afresh.
    void reread();

private:
    void look();
    // The test or round's level, stone types and answers in the order asked, and its subject.
    std::optional<PracticeRound> asked(qint64 testId, QuizSubject &subject);

    HistoryDatabase &m_database;
    struct Looking;
    std::unique_ptr<Looking> m_looking;
    std::optional<QSet<qint64>> m_damaged;
    QString m_damagedOf; // the connection they were looked for in
};
