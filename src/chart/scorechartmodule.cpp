// The module that draws the scores over time with Qt Charts, loaded when first needed.
#include "progress/scorechart.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <utility>

namespace {

class ChartsScoreChart final : public QObject, public ScoreChart
{
public:
    ChartsScoreChart(QWidget *parent, const QString &title, const QStringList &lineNames)
    {
        m_chart = new QChart;
        m_chart->setTitle(title);
        m_chart->legend()->setAlignment(Qt::AlignBottom);
        m_dates = new QDateTimeAxis;
        m_scores = new QValueAxis;
        m_scores->setRange(0, 100);
        m_scores->setLabelFormat(QStringLiteral("%d%%"));
        m_chart->addAxis(m_dates, Qt::AlignBottom);
        m_chart->addAxis(m_scores, Qt::AlignLeft);
        const auto attach = [this](QAbstractSeries *series) {
            m_chart->addSeries(series);
            series->attachAxis(m_dates);
            series->attachAxis(m_scores);
        };
        // The ranges first, so that every line is drawn over them; they go without a legend of
        // their own, as each takes the colour of its line.
        for (int line = 0; line < lineNames.size(); ++line) {
            auto *range = new QAreaSeries;
            range->setUpperSeries(new QLineSeries(range));
            range->setLowerSeries(new QLineSeries(range));
            attach(range);
            m_ranges.append(range);
        }
        for (const QString &name : lineNames) {
            auto *series = new QLineSeries;
            series->setName(name);
            attach(series);
            m_series.append(series);
        }
        for (QAreaSeries *range : std::as_const(m_ranges)) {
            for (QLegendMarker *marker : m_chart->legend()->markers(range))
                marker->setVisible(false);
        }
        m_view = new QChartView(m_chart, parent);
        m_view->setRenderHint(QPainter::Antialiasing);
        followPalette();
        m_view->installEventFilter(this);
    }

    QWidget *widget() const override { return m_view; }

    void setLines(const QList<ChartLine> &lines, const ChartSpan &span) override
    {
        for (int line = 0; line < m_series.size(); ++line) {
            const ChartLine shown = lines.value(line);
            m_series[line]->replace(shown.points);
            // Dots show a single test; over a long history they would only blur the line.
            m_series[line]->setPointsVisible(shown.lows.isEmpty() && shown.points.size() < 60);
            m_ranges[line]->upperSeries()->replace(shown.highs);
            m_ranges[line]->lowerSeries()->replace(shown.lows);
            m_ranges[line]->setVisible(!shown.lows.isEmpty());
        }
        m_dates->setFormat(span.format);
        m_dates->setTickCount(span.ticks);
        m_dates->setRange(QDateTime::fromMSecsSinceEpoch(span.fromMs),
                          QDateTime::fromMSecsSinceEpoch(span.toMs));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_view && event->type() == QEvent::PaletteChange)
            followPalette();
        return QObject::eventFilter(watched, event);
    }

private:
    // The desktop's colours for the panel, its words and its grid, and lines of the light or
    // the dark theme to stand out on it: a white panel in a dark window glares.
    void followPalette()
    {
        const QPalette &palette = m_view->palette();
        const bool dark = palette.color(QPalette::Window).lightness() < 128;
        m_chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
        m_chart->setBackgroundBrush(palette.base());
        m_chart->setBackgroundPen(QPen(palette.color(QPalette::Mid)));
        m_chart->setTitleBrush(palette.text());
        m_chart->legend()->setLabelColor(palette.color(QPalette::Text));
        QColor grid = palette.color(QPalette::Text);
        grid.setAlphaF(0.2f);
        for (QAbstractAxis *axis :
             {static_cast<QAbstractAxis *>(m_dates), static_cast<QAbstractAxis *>(m_scores)}) {
            axis->setLabelsBrush(palette.text());
            axis->setTitleBrush(palette.text());
            axis->setLinePenColor(palette.color(QPalette::Mid));
            axis->setGridLineColor(grid);
        }
        // The theme has given each range a colour of its own, in the order of the lines: the line
        // takes it, and its range a pale wash of it.
        for (int line = 0; line < m_series.size(); ++line) {
            const QColor colour = m_ranges[line]->color();
            QPen pen = m_series[line]->pen();
            pen.setColor(colour);
            pen.setWidthF(2);
            m_series[line]->setPen(pen);
            QColor wash = colour;
            wash.setAlphaF(0.18f);
            m_ranges[line]->setColor(wash);
            m_ranges[line]->setBorderColor(Qt::transparent);
        }
    }

    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QDateTimeAxis *m_dates = nullptr;
    QValueAxis *m_scores = nullptr;
    QList<QLineSeries *> m_series;
    QList<QAreaSeries *> m_ranges;
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
