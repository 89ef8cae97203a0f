#pragma once

#include "catalogue/runecatalogue.h"
#include "quiz/quizrecords.h"

#include <QDate>
#include <QDateTime>
#include <QList>

#include <array>
#include <functional>
#include <optional>

// How one answer went. Partial needs more than one right answer, so only Advanced gives it.
enum class AnswerOutcome { Full, Partial, None };

// `score` counts the right answers ticked, of `rightAnswers` (1 at Beginner, 4 at Advanced).
AnswerOutcome outcomeOf(int score, int rightAnswers);

// The day an answer counts for. A learner's day runs from 04:00 to 04:00 by the local clock, so
// that a late evening's practice past midnight still belongs to the evening.
QDate learnerDay(const QDateTime &moment);

// The last day the schedule counts with: a history keeps its days as ISO text, which has four
// digits for the year. A clock that far on moves the items no further.
QDate lastScheduleDay();

// The highest box; an item that reaches it stays there as long as it is answered in full.
constexpr int TopBox = 7;
// Days until an item in `box` (1 to TopBox) comes back.
int intervalDays(int box);

// One thing to practise: a stone under one subject.
struct ItemRef {
    StoneIndex stone = 0;
    QuizSubject subject = QuizSubject::Keywords;

    friend bool operator==(const ItemRef &, const ItemRef &) = default;
};

// Where one item stands.
struct ItemState {
    qint16 box = 0;     // 0 while new, that is never answered
    QDate due;          // null while new
    int lapses = 0;     // times it was missed after it had reached box 2
    QDate lastAnswered; // the learner day; null while new

    bool isNew() const { return box == 0; }
    // New items are due from the start.
    bool isDueOn(QDate day) const { return box == 0 || due <= day; }
};

// The Leitner boxes of all 48 items, built by replaying the recorded answers in time order. A
// value: copy it to try what an answer would do.
class Schedule
{
public:
    static constexpr int ItemCount = 2 * StoneCount;
    static constexpr int RoundSize = 12;

    // Days without answers on which nothing was due, first and last included.
    struct DaySpan {
        QDate first;
        QDate last;
    };

    // Moves the item by `outcome`, on the learner day of `when`. A stone's two items never come
    // back on the same day, unless one of them was just missed: the one scheduled later moves a
    // day on.
    void answer(StoneIndex stone, QuizSubject subject, AnswerOutcome outcome,
                const QDateTime &when);

    const ItemState &item(StoneIndex stone, QuizSubject subject) const;
    const ItemState &item(const ItemRef &ref) const { return item(ref.stone, ref.subject); }

    int dueCount(QDate today) const;
    int dueCount(QDate today, QuizSubject subject) const;
    // In stone order, Keywords before Meanings.
    QList<ItemRef> dueItems(QDate today) const;
    // The first day after `today` on which an item not due today comes back; none when every item
    // is due today.
    std::optional<QDate> nextDueDay(QDate today) const;

    // What to ask next: at most `most` due items, the longest overdue first, then the lowest box,
    // the new ones last, and never both items of one stone.
    QList<ItemRef> practiceRound(QDate today, int most = RoundSize) const;

    // Whether anything was, or is, due on `day`: a day with nothing due does not break a streak.
    // Exact for days without answers, which are the only ones a streak asks about; true for the
    // others.
    bool anythingDueOn(QDate day) const;

    // What a kept schedule is made of besides its items; spans are only ever appended.
    QDate lastDay() const { return m_lastDay; }
    const QList<DaySpan> &clearSpans() const { return m_clearSpans; }
    // Puts back what answer() once made of an item, or of the days answered.
    void restoreItem(const ItemRef &ref, const ItemState &state);
    void restoreDays(QDate lastDay, QList<DaySpan> clearSpans);

private:
    static int indexOf(StoneIndex stone, QuizSubject subject);
    void noteNewDay(QDate today);
    // The earliest due day of any item; only meaningful once no item is new.
    QDate earliestDue() const;

    std::array<ItemState, ItemCount> m_items{};
    int m_newCount = ItemCount;
    // The latest learner day answered so far; null before the first answer.
    QDate m_lastDay;
    // Past days without answers on which nothing was due, oldest first and not overlapping.
    QList<DaySpan> m_clearSpans;
};

// Days in a row with answers, counted back from `today`, or from yesterday while nothing has been
// answered today. A day without answers on which nothing was due is skipped: it neither breaks
// the streak nor counts.
int streak(const QList<QDate> &answeredDays, const std::function<bool(QDate)> &anythingDueOn,
           QDate today);
