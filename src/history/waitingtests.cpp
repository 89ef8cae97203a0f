#include "waitingtests.h"

#include "historydatabase.h"

#include <QDir>

#include <algorithm>

using namespace std::chrono_literals;

namespace {

// A lock held for a moment is gone by the first try; one held for good costs a try a minute.
constexpr std::chrono::milliseconds firstPause = 250ms;
constexpr std::chrono::milliseconds longestPause = 60s;

} // namespace

WaitingTests::WaitingTests(HistoryRecorder &recorder, HistoryDatabase &database)
    : m_recorder(recorder)
    , m_database(database)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { retry(); });
}

bool WaitingTests::record(const AnswerSheet &sheet, const QDateTime &finished)
{
    // Short pauses first whenever tests begin to wait.
    if (m_tests.isEmpty())
        m_pause = firstPause;
    m_tests.append({sheet, finished});
    return offer() != HistoryRecorder::Result::Failed;
}

void WaitingTests::retry()
{
    offer();
}

HistoryRecorder::Result WaitingTests::offer()
{
    auto result = HistoryRecorder::Result::Recorded;
    bool recorded = false;
    // In the order they were finished: a later test is never recorded before an earlier one.
    while (!m_tests.isEmpty()) {
        result = m_recorder.record(m_tests.first().sheet, m_tests.first().finished);
        if (result == HistoryRecorder::Result::Waiting)
            break;
        recorded = recorded || result == HistoryRecorder::Result::Recorded;
        m_tests.removeFirst();
    }
    if (recorded)
        m_database.backUpIfDue();
    if (m_tests.isEmpty()) {
        m_timer.stop();
    } else if (!m_timer.isActive()) {
        m_timer.start(m_pause);
        m_pause = std::min(2 * m_pause, longestPause);
    }
    return result;
}

void WaitingTests::lastTry()
{
    if (m_tests.isEmpty())
        return;
    offer();
    m_timer.stop();
    const qsizetype lost = std::exchange(m_tests, {}).size();
    if (lost == 0)
        return;
    const QString path = QDir::toNativeSeparators(m_database.filePath());
    m_database.tell(
        (lost == 1 ? tr("A test finished in this run could not be recorded in the history of "
                        "your tests: another program kept the file %1 in use until the end.")
                   : tr("%n tests finished in this run could not be recorded in the history of "
                        "your tests: another program kept the file %1 in use until the end.",
                        nullptr, int(lost)))
            .arg(path) +
        QStringLiteral("\n\n") + tr("The history still holds every test recorded before."));
}
