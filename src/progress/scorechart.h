#pragma once

#include <QList>
#include <QPointF>
#include <QStringList>
#include <QtPlugin>

#include <memory>

class QWidget;

// The chart of scores over time, one line per kind of test. Qt Charts, with the OpenGL libraries
// it brings along, would add some 20 ms to every start only by being loaded, so the chart lives in
// a module of its own that is loaded when "Progress" first opens.
class ScoreChart
{
public:
    virtual ~ScoreChart() = default;

    // The chart, a child of the parent it was made with.
    virtual QWidget *widget() const = 0;
    // Each line's points, oldest first: milliseconds since the epoch and a percentage. The time
    // axis runs from firstMs to lastMs.
    virtual void setLines(const QList<QList<QPointF>> &lines, qint64 firstMs, qint64 lastMs) = 0;
};

// What the module offers: the module's one object, a Qt plugin, makes the charts.
class ScoreChartModule
{
public:
    virtual ~ScoreChartModule() = default;

    virtual ScoreChart *createChart(QWidget *parent, const QString &title,
                                    const QStringList &lineNames) = 0;
};

#define ScoreChartModule_iid "org.orlendra.orlendra.ScoreChartModule/1"
Q_DECLARE_INTERFACE(ScoreChartModule, ScoreChartModule_iid)

// A chart from the module, or none when the module cannot be loaded.
std::unique_ptr<ScoreChart> createScoreChart(QWidget *parent, const QString &title,
                                             const QStringList &lineNames);
