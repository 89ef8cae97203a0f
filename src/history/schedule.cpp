#include "schedule.h"

#include <QSet>
#include <QTime>

#include <algorithm>
#include <utility>

AnswerOutcome outcomeOf(int score, int rightAnswers)
{
    if (score >= rightAnswers)
        return AnswerOutcome::Full;
    return score <= 0 ? AnswerOutcome::None : AnswerOutcome::Partial;
}

QDate learnerDay(const QDateTime &moment)
{
    // By the wall clock rather than by taking four hours off: on the night the clocks change,
    // four hours before 04:30 is not 00:30.
    const QDateTime local = moment.toLocalTime();
    return local.time() < QTime(4, 0) ? local.date().addDays(-1) : local.date();
}

QDate lastScheduleDay()
{
    return {9999, 12, 31};
}

int intervalDays(int box)
{
    static constexpr std::array<int, TopBox> days{1, 2, 4, 7, 14, 30, 60};
    return days[static_cast<size_t>(std::clamp(box, 1, TopBox) - 1)];
}

int Schedule::indexOf(StoneIndex stone, QuizSubject subject)
{
    Q_ASSERT(stone >= 0 && stone < StoneCount);
    // A stone's two items side by side, so that its sibling is one bit away.
    return 2 * stone + (subject == QuizSubject::Meanings ? 1 : 0);
}

const ItemState &Schedule::item(StoneIndex stone, QuizSubject subject) const
{
    return m_items[static_cast<size_t>(indexOf(stone, subject))];
}

void Schedule::answer(StoneIndex stone, QuizSubject subject, AnswerOutcome outcome,
                      const QDateTime &when)
{
    const QDate today = std::min(learnerDay(when), lastScheduleDay());
    noteNewDay(today);
    const int index = indexOf(stone, subject);
    ItemState &state = m_items[static_cast<size_t>(index)];
    if (state.isNew())
        --m_newCount;
    switch (outcome) {
    case AnswerOutcome::Full:
        state.box = static_cast<qint16>(std::min(state.box + 1, TopBox));
        state.due = today.addDays(intervalDays(state.box));
        break;
    case AnswerOutcome::Partial:
        // Half known is not yet worth a longer wait, nor a step back.
        state.box = std::max<qint16>(state.box, 1);
        state.due = today.addDays(1);
        break;
    case AnswerOutcome::None:
        // Losing what was once known is what the lapses are kept for; a miss in box 1 is still
        // learning.
        if (state.box >= 2)
            ++state.lapses;
        state.box = 1;
        state.due = today;
        break;
    }
    state.lastAnswered = today;

    // Asked on one day, the keywords give the meanings away and the other way round. A miss stays
    // due today all the same: it is to be asked again while it is fresh.
    const ItemState &sibling = m_items[static_cast<size_t>(index ^ 1)];
    if (state.due > today && state.due == sibling.due)
        state.due = state.due.addDays(1);
    state.due = std::min(state.due, lastScheduleDay());
}

void Schedule::noteNewDay(QDate today)
{
    // Answers are replayed in time order, so an earlier day can only come from a clock set back;
    // its answers count for their own day, but it tells nothing about the days in between.
    if (m_lastDay.isValid() && today <= m_lastDay)
        return;
    // Nothing moves between two days with answers, so the items as the earlier one left them tell
    // which of the days in between had anything due. While an item is new something is due every
    // day, which spares the look at all 48 items until all have been answered; with it, answer()
    // still costs at most one pass over a fixed 48 items, once a day.
    if (m_lastDay.isValid() && m_newCount == 0) {
        const QDate first = m_lastDay.addDays(1);
        const QDate last = std::min(earliestDue(), today).addDays(-1);
        if (first <= last)
            m_clearSpans.append({first, last});
    }
    m_lastDay = today;
}

QDate Schedule::earliestDue() const
{
    QDate earliest;
    for (const ItemState &state : m_items) {
        if (!earliest.isValid() || state.due < earliest)
            earliest = state.due;
    }
    return earliest;
}

int Schedule::dueCount(QDate today) const
{
    return static_cast<int>(std::count_if(
        m_items.begin(), m_items.end(), [today](const ItemState &s) { return s.isDueOn(today); }));
}

int Schedule::dueCount(QDate today, QuizSubject subject) const
{
    int count = 0;
    for (StoneIndex stone = 0; stone < StoneCount; ++stone)
        count += item(stone, subject).isDueOn(today) ? 1 : 0;
    return count;
}

QList<ItemRef> Schedule::dueItems(QDate today) const
{
    QList<ItemRef> due;
    for (StoneIndex stone = 0; stone < StoneCount; ++stone) {
        for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings}) {
            if (item(stone, subject).isDueOn(today))
                due.append({stone, subject});
        }
    }
    return due;
}

std::optional<QDate> Schedule::nextDueDay(QDate today) const
{
    std::optional<QDate> next;
    for (const ItemState &state : m_items) {
        if (!state.isDueOn(today) && (!next || state.due < *next))
            next = state.due;
    }
    return next;
}

QList<ItemRef> Schedule::practiceRound(QDate today, int most) const
{
    QList<ItemRef> due = dueItems(today);
    // Stable, so that ties keep the stone order of dueItems().
    std::stable_sort(due.begin(), due.end(), [this](const ItemRef &a, const ItemRef &b) {
        const ItemState &x = item(a);
        const ItemState &y = item(b);
        if (x.isNew() || y.isNew())
            return !x.isNew() && y.isNew();
        if (x.due != y.due)
            return x.due < y.due;
        return x.box < y.box;
    });
    // A stone's two items in one round would give each other away, as on one day.
    std::array<bool, StoneCount> taken{};
    QList<ItemRef> round;
    for (const ItemRef &ref : std::as_const(due)) {
        if (round.size() >= most)
            break;
        if (std::exchange(taken[static_cast<size_t>(ref.stone)], true))
            continue;
        round.append(ref);
    }
    return round;
}

bool Schedule::anythingDueOn(QDate day) const
{
    if (!m_lastDay.isValid())
        return true;
    if (day > m_lastDay)
        return dueCount(day) > 0;
    const auto span = std::lower_bound(m_clearSpans.begin(), m_clearSpans.end(), day,
                                       [](const DaySpan &s, QDate d) { return s.last < d; });
    return span == m_clearSpans.end() || day < span->first;
}

void Schedule::restoreItem(const ItemRef &ref, const ItemState &state)
{
    ItemState &kept = m_items[static_cast<size_t>(indexOf(ref.stone, ref.subject))];
    m_newCount += (state.isNew() ? 1 : 0) - (kept.isNew() ? 1 : 0);
    kept = state;
}

void Schedule::restoreDays(QDate lastDay, QList<DaySpan> clearSpans)
{
    m_lastDay = lastDay;
    m_clearSpans = std::move(clearSpans);
}

int streak(const QList<QDate> &answeredDays, const std::function<bool(QDate)> &anythingDueOn,
           QDate today)
{
    if (answeredDays.isEmpty())
        return 0;
    const QSet<QDate> answered(answeredDays.begin(), answeredDays.end());
    const QDate earliest = *std::min_element(answeredDays.begin(), answeredDays.end());
    // Today is still open: not having answered yet must not end the streak before the day does.
    QDate day = answered.contains(today) ? today : today.addDays(-1);
    int days = 0;
    for (; day >= earliest; day = day.addDays(-1)) {
        if (answered.contains(day))
            ++days;
        else if (anythingDueOn(day))
            break;
    }
    return days;
}
