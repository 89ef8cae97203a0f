#include "programmodules.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

QObject *loadProgramModule(const QString &name)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    // Tests and benchmarks run one folder below the program.
    for (const QString &folder :
         {programFolder.path(), programFolder.filePath(QStringLiteral("..")),
          programFolder.filePath(QStringLiteral(ORLENDRA_MODULE_DIR_FROM_BIN))}) {
        QPluginLoader loader(QDir(folder).filePath(name));
        // Qt Charts leaves work for the end of the run (its OpenGL helpers among it), and Qt
        // Print Support keeps the printers it found: unloaded before that, they would point into
        // nothing.
        loader.setLoadHints(QLibrary::PreventUnloadHint);
        if (QObject *found = loader.instance())
            return found;
    }
    return nullptr;
}
