#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QtPlugin>

#include <memory>

class QWidget;

// What the chart draws of one kind of test: a point for each test, or, over a long history, the
// mean of each stretch of time with the range of its scores as an area around it. Times are
// milliseconds since the epoch, scores percentages, oldest first.
struct ChartLine {
    QList<QPointF> points;
    QList<QPointF> lows;  // empty when the points are tests
    QList<QPointF> highs; // as many as lows
};

// The time axis: from, to, the format of its labels (QDateTime::toString(), local time) and how
// many there are, evenly spread.
struct ChartSpan {
    qint64 fromMs = 0;
    qint64 toMs = 0;
    QString format;
    int ticks = 2;
};

// The chart of scores over time, one line per kind of test. Qt Charts, with the OpenGL libraries
// it brings along, would add some 20 ms to every start only by being loaded, so the chart lives in
// a module of its own that is loaded when "Progress" first opens.
class ScoreChart
{
public:
    virtual ~ScoreChart() = default;

    // The chart, a child of the parent it was made with.
    virtual QWidget *widget() const = 0;
    // The lines in the order of their names, and the time axis they are drawn on. The chart
    // takes its colours from the palette of its widget, and follows it when it changes.
    virtual void setLines(const QList<ChartLine> &lines, const ChartSpan &span) = 0;
};

// What the module offers: the module's one object, a Qt plugin, makes the charts.
class ScoreChartModule
{
public:
    virtual ~ScoreChartModule() = default;

    virtual ScoreChart *createChart(QWidget *parent, const QString &title,
                                    const QStringList &lineNames) = 0;
};

#define ScoreChartModule_iid "org.orlendra.orlendra.ScoreChartModule/2"
Q_DECLARE_INTERFACE(ScoreChartModule, ScoreChartModule_iid)

// A chart from the module, or none when the module cannot be loaded.
std::unique_ptr<ScoreChart> createScoreChart(QWidget *parent, const QString &title,
                                             const QStringList &lineNames);
