#pragma once

#include "historydatabase.h"
#include "historyexport.h"
#include "historyqueries.h"
#include "historyrecorder.h"
#include "schedule.h"

// The learner's history: every finished test with every answer, kept in an SQLite file of its
// own, as the program and the Progress window use it. Each call goes to the part that does the
// job: the file, the recording, the queries or the export.
class HistoryStore
{
public:
    // The history in `folder`, created when first needed.
    explicit HistoryStore(const QString &folder)
        : m_database(folder)
    {}
    Q_DISABLE_COPY_MOVE(HistoryStore)

    // The Qt SQL connection, once open; empty before. For tools and tests that look inside.
    QString connectionName() const { return m_database.connectionName(); }
    bool open() { return m_database.open(); }

    bool record(const AnswerSheet &sheet, const QDateTime &finished)
    {
        return m_recorder.record(sheet, finished);
    }
    // A practice round, once it has ended: one that was left changes nothing.
    bool record(const PracticeRound &round, const QDateTime &finished)
    {
        return m_recorder.record(round, finished);
    }
    bool forget() { return m_recorder.forget(); }

    // The boxes of all 48 items, as kept: cheap after the first call.
    const Schedule &schedule() { return m_recorder.schedule(); }
    // Every learner day with answers, oldest first, for the streak.
    QList<QDate> answeredDays() { return m_queries.answeredDays(); }

    QList<PastTest> pastTests() { return m_queries.pastTests(); }
    QList<StoneTally> stones() { return m_queries.stones(); }
    std::optional<AnswerSheet> sheet(qint64 testId) { return m_queries.sheet(testId); }

    QByteArray csv() { return HistoryExport::csv(m_database); }

    QString takeNotice() { return m_database.takeNotice(); }

private:
    HistoryDatabase m_database;
    HistoryRecorder m_recorder{m_database};
    HistoryQueries m_queries{m_database};
};
