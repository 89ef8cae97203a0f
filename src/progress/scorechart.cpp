#include "scorechart.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

std::unique_ptr<ScoreChart> createScoreChart(QWidget *parent, const QString &title,
                                             const QStringList &lineNames)
{
    // Loaded once and kept for the run: charts made by it may live until the end.
    static ScoreChartModule *const module = [] {
        const QDir programFolder(QCoreApplication::applicationDirPath());
        // Beside the program in a build tree (tests and benchmarks one folder down), where it is
        // installed otherwise.
        for (const QString &folder :
             {programFolder.path(), programFolder.filePath(QStringLiteral("..")),
              programFolder.filePath(QStringLiteral(ORLENDRA_MODULE_DIR_FROM_BIN))}) {
            QPluginLoader loader(QDir(folder).filePath(QStringLiteral("orlendra_scorechart")));
            // Qt Charts leaves work for the end of the run (its OpenGL helpers among it): a
            // module unloaded before that would leave it pointing into nothing.
            loader.setLoadHints(QLibrary::PreventUnloadHint);
            if (auto *found = qobject_cast<ScoreChartModule *>(loader.instance()))
                return found;
        }
        return static_cast<ScoreChartModule *>(nullptr);
    }();
    return std::unique_ptr<ScoreChart>(module ? module->createChart(parent, title, lineNames)
                                              : nullptr);
}
