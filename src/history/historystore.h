#pragma once

#include "historydatabase.h"
#include "historyexport.h"
#include "historyqueries.h"
#include "historyrecorder.h"
#include "historysync.h"
#include "schedule.h"
#include "waitingtests.h"

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
    // Why new tests are not being kept while the history can only be read, otherwise empty.
    QString whyReadOnly() const { return m_database.whyReadOnly(); }

    // Records the test, or keeps it waiting while another program holds the file; false when
    // it is lost. The day's backup follows a change.
    bool record(const AnswerSheet &sheet, const QDateTime &finished)
    {
        return m_waiting.record(sheet, finished);
    }
    // A practice round, once it has ended, kept as a test is: one that was left changes nothing.
    bool record(const PracticeRound &round, const QDateTime &finished)
    {
        return m_waiting.record(round, finished);
    }
    // With a sync folder, on every computer that reads it.
    bool forget()
    {
        if (m_sync.active() ? !m_sync.forgetEverywhere() : !m_recorder.forget())
            return false;
        if (!m_sync.active())
            m_sync.forgotten();
        m_queries.forgotten();
        m_database.backUpIfDue();
        return true;
    }
    // At the end of the run: a last try for the tests still waiting; the notice tells of those
    // it could not keep.
    void lastTry()
    {
        m_database.waitForUpgrade();
        m_waiting.lastTry();
    }
    qsizetype waitingTests() const { return m_waiting.count(); }
    // Tells when tests that waited have been recorded later.
    const WaitingTests *waitingQueue() const { return &m_waiting; }

    // The boxes of all 48 items, as kept: cheap after the first call. What a start reads first:
    // the look for damaged tests that Progress needs begins beside the program then.
    const Schedule &schedule()
    {
        const Schedule &kept = m_recorder.schedule();
        m_queries.lookAhead();
        return kept;
    }
    // Every learner day with answers, oldest first, for the streak.
    QList<QDate> answeredDays() { return m_queries.answeredDays(); }

    // See HistoryQueries::whenLooked.
    bool whenReadable(QObject *context, std::function<void()> then)
    {
        return m_queries.whenLooked(context, std::move(then));
    }
    QList<PastTest> pastTests() { return m_queries.pastTests(); }
    QList<PastTest> scoredTests() { return m_queries.scoredTests(); }
    QList<PastTest> pastTests(PastTestsCursor &cursor, int count)
    {
        return m_queries.pastTests(cursor, count);
    }
    QList<StoneTally> stones() { return m_queries.stones(); }
    std::optional<AnswerSheet> sheet(qint64 testId) { return m_queries.sheet(testId); }
    std::optional<PracticeRound> round(qint64 testId) { return m_queries.round(testId); }

    QByteArray csv() { return HistoryExport::csv(m_database, m_queries.damagedTests()); }
    // The same, a slice at a time.
    std::unique_ptr<HistoryExport::Slices> csvSlices()
    {
        return std::make_unique<HistoryExport::Slices>(m_database, m_queries.damagedTests());
    }

    QString takeNotice() { return m_database.takeNotice(); }

    // A damaged history found at opening is moved aside; while this offers a backup, nothing
    // is recorded until the user restores it or declines.
    std::optional<HistoryBackups::Backup> offeredBackup() const
    {
        return m_database.offeredBackup();
    }
    std::optional<HistoryBackups::Backup> newestGoodBackup() const
    {
        return m_database.newestGoodBackup();
    }
    // Either way, the tests that waited are recorded next.
    bool restore(const HistoryBackups::Backup &backup)
    {
        const bool done = m_database.restore(backup);
        m_queries.reread();
        m_waiting.retry();
        return done;
    }
    void declineBackup()
    {
        m_database.declineBackup();
        m_queries.reread();
        m_waiting.retry();
    }
    std::optional<int> problems() { return m_database.problems(); }
    // Whether all that is wrong can be worked out again from the answers, and doing so; the day's
    // backup follows the repair.
    bool rebuildable(int problems) { return m_database.rebuildable(problems); }
    bool rebuild()
    {
        const bool done = m_database.rebuild();
        m_queries.reread();
        if (done)
            m_database.backUpIfDue();
        return done;
    }
    // See HistoryDatabase::upgrading.
    bool upgrading() const { return m_database.upgrading(); }
    bool whenUpgraded(QObject *context, std::function<void()> then)
    {
        return m_database.whenUpgraded(context, std::move(then));
    }
    // Another program holds the file, or a damaged history waits for an answer.
    bool waiting() const { return m_database.waiting(); }
    void setClock(std::function<QDateTime()> clock)
    {
        m_sync.setClock(clock);
        m_database.setClock(std::move(clock));
    }
    // The folder shared with the learner's other computers.
    HistorySync &sync() { return m_sync; }

private:
    HistoryDatabase m_database;
    HistoryRecorder m_recorder{m_database};
    HistoryQueries m_queries{m_database};
    WaitingTests m_waiting{m_recorder, m_database};
    HistorySync m_sync{m_database, m_recorder};
};
