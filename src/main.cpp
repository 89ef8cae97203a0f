#include "app/orlendraapp.h"
#include "platform/fontwarmup.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontConfigurationWarmUp fonts;
    QApplication app(argc, argv);
    OrlendraApp::prepareApplication();

    QtPlatform platform;
    OrlendraApp run(platform);
    QObject::connect(&run, &OrlendraApp::runEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    fonts.finish();
    if (!run.start())
        return 0;
    return QApplication::exec();
}
