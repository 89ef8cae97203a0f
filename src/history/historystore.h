#pragma once

#include "historydatabase.h"
#include "historyexport.h"
#include "historyqueries.h"
#include "historyrecorder.h"

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

    bool record(const AnswerSheet &sheet, const QDateTime &finished)
    {
        return m_recorder.record(sheet, finished);
    }
    bool forget()
    {
        if (!m_recorder.forget())
            return false;
        m_queries.forgotten();
        return true;
    }

    QList<PastTest> pastTests() { return m_queries.pastTests(); }
    QList<StoneTally> stones() { return m_queries.stones(); }
    std::optional<AnswerSheet> sheet(qint64 testId) { return m_queries.sheet(testId); }

    QByteArray csv() { return HistoryExport::csv(m_database, m_queries.damagedTests()); }

    QString takeNotice() { return m_database.takeNotice(); }

private:
    HistoryDatabase m_database;
    HistoryRecorder m_recorder{m_database};
    HistoryQueries m_queries{m_database};
};
