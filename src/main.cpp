#include "app/orlendraapp.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    OrlendraApp::prepareApplication();

    QtPlatform platform;
    OrlendraApp run(platform);
    QObject::connect(&run, &OrlendraApp::runEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!run.start())
        return 0;
    return QApplication::exec();
}
