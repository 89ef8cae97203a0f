#include "scorechart.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

std::unique_ptr<ScoreChart> createScoreChart(QWidget *parent, const QString &title,
                                             const QStringList &lineNames)
{
    // Loaded once and kept for the run: charts made by it may live until the end.
    static ScoreChartFactory *const factory = [] {
        const QDir programFolder(QCoreApplication::applicationDirPath());
        // Beside the program in a build tree (tests and benchmarks one folder down), where it is
        // installed otherwise.
        for (const QString &folder :
             {programFolder.path(), programFolder.filePath(QStringLiteral("..")),
              programFolder.filePath(QStringLiteral(ORLENDRA_MODULE_DIR_FROM_BIN))}) {
            QLibrary module(QDir(folder).filePath(QStringLiteral("orlendra_scorechart")));
            if (auto *found = reinterpret_cast<ScoreChartFactory *>(
                    module.resolve("orlendraCreateScoreChart")))
                return found;
        }
        return static_cast<ScoreChartFactory *>(nullptr);
    }();
    return std::unique_ptr<ScoreChart>(factory ? factory(parent, title, lineNames) : nullptr);
}
