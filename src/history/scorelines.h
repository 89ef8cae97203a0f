#pragma once

#include "historyrecords.h"

#include <QPointF>
#include <QStringList>

#include <array>

// One line of the chart of scores over time: the tests of one kind, oldest first.
struct ScoreLine {
    QString name;          // "Keywords Beginner"
    QList<QPointF> points; // milliseconds since the epoch, and the score as a percentage
    double last = 0;
    double best = 0;
};

// The chart's four lines, in the order of its legend, and the time its axis spans.
struct ScoreLines {
    std::array<ScoreLine, 4> lines;
    // From the first test to the last; both the given time when there is no test.
    qint64 firstMs = 0;
    qint64 lastMs = 0;

    QStringList lineNames() const;
    // A sentence per line, for those who do not see the chart: "Keywords Beginner: 2 tests,
    // last 96%, best 100%." or "Meanings Advanced: no tests."
    QStringList sentences() const;
};

// The lines of `tests`, given newest first as the history lists them.
ScoreLines scoreLines(const QList<PastTest> &tests, qint64 nowMs);
