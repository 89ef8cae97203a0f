#include "history/schedule.h"

#include <QTest>

namespace {

const QDate dayZero(2024, 3, 4);

QDate day(int number)
{
    return dayZero.addDays(number);
}

// Replays steps such as "3:5M+" (on day 3, at noon, stone 5's meanings in full; "~" in part, "-"
// missed) or "0:*K+" (every stone's keywords). `trail` gets the answered item's box@due day after
// each step, and "!lapses" once it has any.
Schedule replay(const QString &script, QStringList *trail = nullptr, QList<QDate> *days = nullptr)
{
    Schedule schedule;
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        const QDate on = day(step.section(':', 0, 0).toInt());
        const QString stone = step.section(':', 1).chopped(2);
        const auto subject =
            step.chopped(1).endsWith('M') ? QuizSubject::Meanings : QuizSubject::Keywords;
        const auto outcome = AnswerOutcome(QStringLiteral("+~-").indexOf(step.back()));
        const int first = stone == "*" ? 0 : stone.toInt();
        for (int s = first; s < (stone == "*" ? StoneCount : first + 1); ++s)
            schedule.answer(StoneIndex(s), subject, outcome, QDateTime(on, QTime(12, 0)));
        const ItemState &state = schedule.item(StoneIndex(first), subject);
        if (trail)
            *trail << QStringLiteral("%1@%2").arg(state.box).arg(dayZero.daysTo(state.due)) +
                          (state.lapses ? QStringLiteral("!%1").arg(state.lapses) : QString());
        if (days && !days->contains(on))
            *days << on;
    }
    return schedule;
}

} // namespace

class ScheduleTest : public QObject
{
    Q_OBJECT

private slots:
    void learnerDay_data();
    void learnerDay();
    void answers_data();
    void answers();
    void dueCounts();
    void practiceRound();
    void streak_data();
    void streak();
    void replayedStreak();
};

void ScheduleTest::learnerDay_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QDate>("expected");
    QTest::addRow("03:59") << QDateTime({2024, 3, 5}, {3, 59, 59}) << QDate(2024, 3, 4);
    QTest::addRow("04:00") << QDateTime({2024, 3, 5}, {4, 0}) << QDate(2024, 3, 5);
    QTest::addRow("new year's night") << QDateTime({2025, 1, 1}, {2, 0}) << QDate(2024, 12, 31);
}

void ScheduleTest::learnerDay()
{
    QFETCH(QDateTime, moment);
    QFETCH(QDate, expected);
    QCOMPARE(::learnerDay(moment), expected);
    Schedule schedule;
    schedule.answer(3, QuizSubject::Meanings, AnswerOutcome::Full, moment);
    QCOMPARE(schedule.item(3, QuizSubject::Meanings).lastAnswered, expected);
}

void ScheduleTest::answers_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("trail");
    const auto row = [](const char *name, const char *script, const char *trail) {
        QTest::addRow("%s", name) << QString(script) << QString(trail);
    };
    row("full", "0:0K+ 1:0K+ 3:0K+ 7:0K+ 14:0K+ 28:0K+ 58:0K+ 118:0K+ 120:0K+",
        "1@1 2@3 3@7 4@14 5@28 6@58 7@118 7@178 7@180");
    row("partial", "0:0K~ 1:0K+ 3:0K~ 4:0K+", "1@1 2@3 2@4 3@8");
    row("none", "5:0K- 5:0K- 5:0K+ 6:0K- 6:0K+ 7:0K+ 11:0K-",
        "1@5 1@5 2@7 1@6!1 2@8!1 3@11!1 1@11!2");
    row("sibling moves on", "0:0K+ 0:0M+ 1:0K~", "1@1 1@2 1@3");
    row("sibling moves on, other way", "0:0M+ 0:0K+", "1@1 1@2");
    row("missed beside its sibling", "0:0K+ 1:0M- 1:0K-", "1@1 1@1 1@1");
    row("other stones", "0:1K+ 0:0K+ 0:1M+", "1@1 1@1 1@2");
    // On 9999-12-31 and the day after, which counts as that day.
    row("the last day", "2913110:0K+ 2913110:0K+ 2913110:0M+ 2913111:0M-",
        "1@2913110 2@2913110 1@2913110 1@2913110");
}

void ScheduleTest::answers()
{
    QFETCH(QString, script);
    QFETCH(QString, trail);
    QStringList steps;
    replay(script, &steps);
    QCOMPARE(steps.join(' '), trail);
}

void ScheduleTest::dueCounts()
{
    const Schedule schedule = replay("0:*K+ 0:*M+");
    QStringList counts{QString::number(Schedule().dueCount(dayZero))};
    for (int d = 0; d <= 2; ++d) {
        const std::optional<QDate> next = schedule.nextDueDay(day(d));
        counts << QStringLiteral("%1 %2 %3 %4")
                      .arg(schedule.dueCount(day(d)))
                      .arg(schedule.dueCount(day(d), QuizSubject::Keywords))
                      .arg(schedule.dueItems(day(d)).size())
                      .arg(next ? dayZero.daysTo(*next) : -1);
    }
    QCOMPARE(counts.join(" | "), "48 | 0 0 0 1 | 24 24 24 2 | 48 24 48 -1");
}

// On day 10: 2K and 2M (missed) due since day 1 in box 1; 5K in box 1 and 3K in box 2 due since
// day 3; 1M missed on day 9; 7K answered today; the rest new.
void ScheduleTest::practiceRound()
{
    const Schedule schedule = replay("0:2K+ 0:3K+ 1:3K+ 1:2M- 2:5K+ 9:1M- 10:7K+");
    QStringList names;
    for (const ItemRef &ref : schedule.practiceRound(day(10)))
        names << QString::number(ref.stone) + (ref.subject == QuizSubject::Meanings ? 'M' : 'K');
    QCOMPARE(names.join(' '), "2K 5K 3K 1M 0K 4K 6K 7M 8K 9K 10K 11K");
    QCOMPARE(schedule.practiceRound(day(10), 3).size(), 3);
}

void ScheduleTest::streak_data()
{
    QTest::addColumn<QString>("answered");
    QTest::addColumn<QString>("clear"); // days with nothing due
    QTest::addColumn<int>("today");
    QTest::addColumn<int>("expected");
    const auto row = [](const char *name, const char *answered, const char *clear, int today,
                        int expected) {
        QTest::addRow("%s", name) << QString(answered) << QString(clear) << today << expected;
    };
    row("through today", "0 1 2 3", "", 3, 4);
    row("today still open", "0 1 2", "", 3, 3);
    row("yesterday missed", "0 1", "", 3, 0);
    row("a missed day breaks", "0 2 3", "", 3, 2);
    row("nothing due is skipped", "0 2 3", "1", 3, 3);
    row("skipped up to today", "0 1", "2 3", 4, 2);
}

void ScheduleTest::streak()
{
    QFETCH(QString, answered);
    QFETCH(QString, clear);
    QFETCH(int, today);
    QFETCH(int, expected);
    QList<QDate> days;
    for (const QString &number : answered.split(' '))
        days << day(number.toInt());
    const auto due = [&](QDate d) {
        return !clear.split(' ').contains(QString::number(dayZero.daysTo(d)));
    };
    QCOMPARE(::streak(days, due, day(today)), expected);
}

// Everything answered in full and on time, the two subjects a day apart, leaves days 5 and 6
// clear, then 9 to 13; left unanswered, days 14 and 15 still had answers due.
void ScheduleTest::replayedStreak()
{
    const auto due = [](const Schedule &schedule) {
        QString found;
        for (int d = 0; d <= 16; ++d)
            found += schedule.anythingDueOn(day(d)) ? '1' : '0';
        return found;
    };
    const QString script = "0:*K+ 0:*M+ 1:*K+ 2:*M+ 3:*K+ 4:*M+ 7:*K+ 8:*M+";
    QList<QDate> days;
    const Schedule schedule = replay(script, nullptr, &days);
    QCOMPARE(due(schedule), "11111001100000111");
    const auto anythingDue = [&schedule](QDate d) { return schedule.anythingDueOn(d); };
    QCOMPARE(::streak(days, anythingDue, day(12)), 7);
    QCOMPARE(due(replay(script + " 16:*K+")), "11111001100000111");
    // While an item is new, something is due every day.
    QCOMPARE(due(replay("0:*K+ 16:*K+")), "11111111111111111");
}

QTEST_APPLESS_MAIN(ScheduleTest)
#include "tst_schedule.moc"
