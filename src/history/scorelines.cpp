#include "scorelines.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace {

struct Kind {
    QuizSubject subject;
    QuizLevel level;
};
constexpr std::array<Kind, 4> kinds{{{QuizSubject::Keywords, QuizLevel::Beginner},
                                     {QuizSubject::Keywords, QuizLevel::Advanced},
                                     {QuizSubject::Meanings, QuizLevel::Beginner},
                                     {QuizSubject::Meanings, QuizLevel::Advanced}}};

std::size_t kindIndex(const PastTest &test)
{
    return (test.subject == QuizSubject::Meanings ? 2 : 0) +
           (test.level == QuizLevel::Advanced ? 1 : 0);
}

double percent(const PastTest &test)
{
    return test.most ? 100.0 * test.score / test.most : 0.0;
}

QString shownPercent(double value)
{
    return QStringLiteral("%1%").arg(qRound(value));
}

constexpr qint64 HourMs = 3600 * 1000;
constexpr qint64 DayMs = 24 * HourMs;
constexpr qint64 WeekMs = 7 * DayMs;
// 5 January 1970, 00:00 UTC: the first Monday after the epoch.
constexpr qint64 MondayMs = 4 * DayMs;
// More tests than this in a line are drawn as a summary.
constexpr qsizetype MostPointsDrawn = 300;
// The bands of a summary, at most: each still some pixels wide on a small chart.
constexpr qint64 MostBands = 150;

} // namespace

QStringList ScoreLines::lineNames() const
{
    QStringList names;
    for (const ScoreLine &line : lines)
        names.append(line.name);
    return names;
}

QStringList ScoreLines::sentences() const
{
    QStringList said;
    for (const ScoreLine &line : lines) {
        const int count = int(line.points.size());
        if (count == 0) {
            said.append(QCoreApplication::translate("ScoreLines", "%1: no tests.").arg(line.name));
            continue;
        }
        //: %1 is the line's name, %2 and %3 the last and the best score
        said.append(
            (count == 1 ? QCoreApplication::translate("ScoreLines", "%1: 1 test, last %2, best %3.")
                        : QCoreApplication::translate(
                              "ScoreLines", "%1: %n tests, last %2, best %3.", nullptr, count))
                .arg(line.name, shownPercent(line.last), shownPercent(line.best)));
    }
    return said;
}

ScoreLines scoreLines(const QList<PastTest> &tests, qint64 nowMs)
{
    ScoreLines drawn;
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
        drawn.lines[kind].name = kindName(kinds[kind].subject, kinds[kind].level);
    if (tests.isEmpty()) {
        drawn.firstMs = drawn.lastMs = nowMs;
        drawn.axis = dateAxis(nowMs, nowMs);
        return drawn;
    }
    drawn.firstMs = tests.constLast().finishedMs;
    drawn.lastMs = drawn.firstMs;
    // The lines run from the oldest.
    for (auto test = tests.crbegin(); test != tests.crend(); ++test) {
        // A practice round asks what is due, not a test's whole set: its score is no line's.
        if (test->practice)
            continue;
        ScoreLine &line = drawn.lines[kindIndex(*test)];
        const double score = percent(*test);
        line.points.append(QPointF(double(test->finishedMs), score));
        line.best = std::max(line.best, score);
        line.last = score;
        drawn.firstMs = std::min(drawn.firstMs, test->finishedMs);
        drawn.lastMs = std::max(drawn.lastMs, test->finishedMs);
    }
    const qint64 stretch = summaryStretch(drawn.lastMs - drawn.firstMs);
    for (ScoreLine &line : drawn.lines) {
        if (line.points.size() > MostPointsDrawn)
            line.bands = summarised(line.points, stretch);
    }
    drawn.axis = dateAxis(drawn.firstMs, drawn.lastMs);
    return drawn;
}

QList<ScoreBand> summarised(const QList<QPointF> &points, qint64 stretchMs)
{
    QList<ScoreBand> bands;
    if (stretchMs <= 0)
        return bands;
    const auto stretchOf = [stretchMs](double ms) {
        const auto sinceMonday = qint64(ms) - MondayMs;
        // Rounded down before the Monday too, so that each stretch is as long as the others.
        return sinceMonday >= 0 ? sinceMonday / stretchMs : (sinceMonday + 1) / stretchMs - 1;
    };
    for (qsizetype first = 0; first < points.size();) {
        const qint64 stretch = stretchOf(points[first].x());
        ScoreBand band{0, 0, points[first].y(), points[first].y()};
        qsizetype end = first;
        for (; end < points.size() && stretchOf(points[end].x()) == stretch; ++end) {
            band.atMs += points[end].x();
            band.mean += points[end].y();
            band.low = std::min(band.low, points[end].y());
            band.high = std::max(band.high, points[end].y());
        }
        band.atMs /= double(end - first);
        band.mean /= double(end - first);
        bands.append(band);
        first = end;
    }
    return bands;
}

qint64 summaryStretch(qint64 spanMs)
{
    const qint64 weeks = std::max<qint64>(spanMs, 0) / (WeekMs * MostBands) + 1;
    return weeks * WeekMs;
}

DateAxis dateAxis(qint64 firstMs, qint64 lastMs, int most)
{
    lastMs = std::max(firstMs, lastMs);
    // Close around the tests, so that an evening's tests fill the chart's width: a twentieth of
    // their span either side, at least a quarter of the unit, out to whole local hours while the
    // tests lie within two days, to whole days beyond.
    const qint64 unit = lastMs - firstMs < 2 * DayMs ? HourMs : DayMs;
    const qint64 margin = std::max((lastMs - firstMs) / 20, unit / 4);
    const auto whole = [unit](qint64 ms, bool up) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(ms);
        QDateTime start = unit == HourMs ? QDateTime(at.date(), QTime(at.time().hour(), 0))
                                         : at.date().startOfDay();
        if (up && start < at)
            start = unit == HourMs ? start.addSecs(3600) : start.date().addDays(1).startOfDay();
        return start.toMSecsSinceEpoch();
    };
    DateAxis axis{whole(firstMs - margin, false), whole(lastMs + margin, true), {}, 2};
    const qint64 span = axis.toMs - axis.fromMs;
    // The finest labels whose neighbours, evenly spread, cannot show the same: ticks at least a
    // minute, a day (and an hour, for a change of summer time), a month or a year apart; a label
    // without the year only while the axis spans less than one.
    struct Labels {
        const char *format;
        qint64 spanBelow;
        qint64 gap;
    };
    // The formats are in QDateTime::toString()'s notation, translated for the reader's order.
    static constexpr std::array<Labels, 4> choices{
        {{QT_TRANSLATE_NOOP("ScoreLines", "d MMM HH:mm"), 4 * DayMs, 61 * 1000},
         {QT_TRANSLATE_NOOP("ScoreLines", "d MMM"), 300 * DayMs, DayMs + HourMs},
         {QT_TRANSLATE_NOOP("ScoreLines", "MMM yyyy"), 8 * 365 * DayMs, 32 * DayMs},
         {"yyyy", 0, 367 * DayMs}}};
    for (const Labels &labels : choices) {
        if (labels.spanBelow != 0 && span >= labels.spanBelow)
            continue;
        axis.format = QCoreApplication::translate("ScoreLines", labels.format);
        axis.ticks = int(std::clamp<qint64>(span / labels.gap + 1, 2, std::max(most, 2)));
        break;
    }
    // As many of those ticks as can fall on whole hours or days (not across a change of summer
    // time, where a day is not 24 hours long).
    for (int ticks = axis.ticks; ticks >= 3 && span % unit == 0; --ticks) {
        if ((span / unit) % (ticks - 1) == 0) {
            axis.ticks = ticks;
            break;
        }
    }
    return axis;
}
