#pragma once

#include "historyrecords.h"

#include <QPointF>
#include <QStringList>

#include <array>

// The tests of one stretch of time, summarised: when they were on average, the mean of their
// scores and the lowest and highest of them.
struct ScoreBand {
    double atMs = 0;
    double mean = 0;
    double low = 0;
    double high = 0;

    bool operator==(const ScoreBand &) const = default;
};

// One line of the chart of scores over time: the tests of one kind, oldest first.
struct ScoreLine {
    QString name;          // "Keywords Beginner"
    QList<QPointF> points; // milliseconds since the epoch, and the score as a percentage
    // Past a few hundred tests, what the chart draws instead of them: a line of tests a few
    // pixels apart would be a solid band.
    QList<ScoreBand> bands;
    double last = 0;
    double best = 0;
};

// The chart's time axis: a little wider than the tests, so that none is drawn on the frame, from
// and to a whole hour or day, and labelled so that no two neighbouring labels read the same.
struct DateAxis {
    qint64 fromMs = 0;
    qint64 toMs = 0;
    QString format; // as QDateTime::toString() takes it, in local time
    int ticks = 2;  // evenly spread, both ends included
};

// The chart's four lines, in the order of its legend, and the time its axis spans.
struct ScoreLines {
    std::array<ScoreLine, 4> lines;
    // From the first test to the last; both the given time when there is no test.
    qint64 firstMs = 0;
    qint64 lastMs = 0;
    DateAxis axis;

    QStringList lineNames() const;
    // A sentence per line, for those who do not see the chart: "Keywords Beginner: 2 tests,
    // last 96%, best 100%." or "Meanings Advanced: no tests."
    QStringList sentences() const;
};

// The lines of `tests`, given newest first as the history lists them.
ScoreLines scoreLines(const QList<PastTest> &tests, qint64 nowMs);

// The points (time, score; oldest first) in stretches of `stretchMs` counted from a Monday,
// 00:00 UTC, each stretch with any point in it summarised.
QList<ScoreBand> summarised(const QList<QPointF> &points, qint64 stretchMs);
// The stretch a line of tests over `spanMs` is summarised in: whole weeks, as few as keep the
// line's bands apart.
qint64 summaryStretch(qint64 spanMs);
// The axis for tests from `firstMs` to `lastMs`, at most `most` labels.
DateAxis dateAxis(qint64 firstMs, qint64 lastMs, int most = 7);
