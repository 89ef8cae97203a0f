#include "scorechart.h"

#include "platform/programmodules.h"

std::unique_ptr<ScoreChart> createScoreChart(QWidget *parent, const QString &title,
                                             const QStringList &lineNames)
{
    // Loaded once and kept for the run: charts made by it may live until the end.
    static ScoreChartModule *const module =
        qobject_cast<ScoreChartModule *>(loadProgramModule(QStringLiteral("orlendra_scorechart")));
    return std::unique_ptr<ScoreChart>(module ? module->createChart(parent, title, lineNames)
                                              : nullptr);
}
