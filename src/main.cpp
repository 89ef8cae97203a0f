#include "app/orlendraapp.h"
#include "app/qtplatform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orlendra"));
    // Leaving is decided by the program's own rule, not by whichever window happened to be last.
    QApplication::setQuitOnLastWindowClosed(false);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/orlendra-32.png"));
    icon.addFile(QStringLiteral(":/icon/orlendra-256.png"));
    QApplication::setWindowIcon(icon);

    QtPlatform platform;
    OrlendraApp run(platform);
    QObject::connect(&run, &OrlendraApp::runEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!run.start())
        return 0;
    return QApplication::exec();
}
