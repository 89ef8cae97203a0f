// The program's own start-up path, up to the study window on screen.
#include "app/orlendraapp.h"
#include "platform/fontwarmup.h"
#include "platform/qtplatform.h"
#include "shownprobe.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    FontConfigurationWarmUp fonts;
    QApplication app(argc, argv);
    OrlendraApp::prepareApplication();

    // A lock of its own, so a running copy of the program does not stop the measurement.
    QtPlatform platform(QDir::temp().filePath(QStringLiteral("orlendra-startup-bench.lock")));
    OrlendraApp run(platform);
    fonts.finish();
    if (!run.start())
        return 1;
    ShownProbe probe(run.studyWindow());
    return QApplication::exec();
}
