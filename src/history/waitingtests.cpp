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
    connect(&m_timer, &QTimer::timeout, this, &WaitingTests::retry);
}

bool WaitingTests::record(const AnswerSheet &sheet, const QDateTime &finished)
{
    return add({sheet, finished});
}

bool WaitingTests::record(const PracticeRound &round, const QDateTime &finished)
{
    return add({round, finished});
}

bool WaitingTests::add(Test test)
{
    // Short pauses first whenever tests begin to wait.
    if (m_tests.isEmpty())
        m_pause = firstPause;
    m_tests.append(std::move(test));
    return offer() != HistoryRecorder::Result::Failed;
}

void WaitingTests::retry()
{
    const qsizetype before = m_tests.size();
    offer();
    if (m_tests.size() < before)
        emit tookWaiting();
}

HistoryRecorder::Result WaitingTests::offer()
{
    auto result = HistoryRecorder::Result::Recorded;
    bool recorded = false;
    // In the order they were finished: a later test is never recorded before an earlier one.
    while (!m_tests.isEmpty()) {
        const Test &first = m_tests.constFirst();
        result = std::visit(
            [this, &first](const auto &work) { return m_recorder.record(work, first.finished); },
            first.finishedWork);
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
    const QList<Test> left = std::exchange(m_tests, {});
    if (left.isEmpty())
        return;
    const auto rounds = int(std::count_if(left.cbegin(), left.cend(), [](const Test &test) {
        return std::holds_alternative<PracticeRound>(test.finishedWork);
    }));
    const int tests = int(left.size()) - rounds;
    const QString path = QDir::toNativeSeparators(m_database.filePath());
    QString told;
    if (tests == 1)
        told = tr("A test finished in this run could not be recorded in the history of your "
                  "tests: another program kept the file %1 in use until the end.");
    else if (tests > 1)
        told = tr("%n tests finished in this run could not be recorded in the history of your "
                  "tests: another program kept the file %1 in use until the end.",
                  nullptr, tests);
    if (rounds > 0) {
        if (!told.isEmpty())
            told += QStringLiteral("\n\n");
        told += rounds == 1 ? tr("A practice round finished in this run could not be recorded in "
                                 "the history of your tests: another program kept the file %1 in "
                                 "use until the end.")
                            : tr("%n practice rounds finished in this run could not be recorded "
                                 "in the history of your tests: another program kept the file %1 "
                                 "in use until the end.",
                                 nullptr, rounds);
    }
    m_database.tell(told.arg(path) + QStringLiteral("\n\n") +
                    tr("The history still holds every test recorded before."));
}
