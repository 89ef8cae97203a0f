// The module that draws the scores over time with Qt Charts, loaded when first needed.
#include "progress/scorechart.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

class ChartsScoreChart final : public ScoreChart
{
public:
    ChartsScoreChart(QWidget *parent, const QString &title, const QStringList &lineNames)
    {
        auto *chart = new QChart;
        chart->setTitle(title);
        chart->legend()->setAlignment(Qt::AlignBottom);
        m_dates = new QDateTimeAxis;
        m_dates->setFormat(QStringLiteral("d MMM yyyy"));
        auto *scores = new QValueAxis;
        scores->setRange(0, 100);
        scores->setLabelFormat(QStringLiteral("%d%%"));
        chart->addAxis(m_dates, Qt::AlignBottom);
        chart->addAxis(scores, Qt::AlignLeft);
        for (const QString &name : lineNames) {
            auto *series = new QLineSeries;
            series->setName(name);
            chart->addSeries(series);
            series->attachAxis(m_dates);
            series->attachAxis(scores);
            m_series.append(series);
        }
        m_view = new QChartView(chart, parent);
        m_view->setRenderHint(QPainter::Antialiasing);
    }

    QWidget *widget() const override { return m_view; }

    void setLines(const QList<QList<QPointF>> &lines, qint64 firstMs, qint64 lastMs) override
    {
        for (int line = 0; line < m_series.size(); ++line) {
            const QList<QPointF> points = lines.value(line);
            m_series[line]->replace(points);
            // Dots show a single test; over a long history they would only blur the line.
            m_series[line]->setPointsVisible(points.size() < 60);
        }
        // A day either side, so that no test is drawn on the frame.
        m_dates->setRange(QDateTime::fromMSecsSinceEpoch(firstMs).addDays(-1),
                          QDateTime::fromMSecsSinceEpoch(std::max(firstMs, lastMs)).addDays(1));
    }

private:
    QChartView *m_view = nullptr;
    QDateTimeAxis *m_dates = nullptr;
    QList<QLineSeries *> m_series;
};

class ChartsModule final : public QObject, public ScoreChartModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ScoreChartModule_iid)
    Q_INTERFACES(ScoreChartModule)

public:
    ScoreChart *createChart(QWidget *parent, const QString &title,
                            const QStringList &lineNames) override
    {
        return new ChartsScoreChart(parent, title, lineNames);
    }
};

} // namespace

#include "scorechartmodule.moc"
