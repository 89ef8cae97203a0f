#include "paper.h"
#include "qtplatform.h"

#include <QDir>
#include <QLocale>
#include <QPluginLoader>

bool QtPlatform::print(QWidget *parent, const PaperDocument &document)
{
    // Loaded once and kept for the run, as Qt Print Support keeps the printers it has found.
    static PrintingModule *const module = [] {
        const QDir programFolder(QCoreApplication::applicationDirPath());
        // Beside the program in a build tree (tests and benchmarks one folder down), where it is
        // installed otherwise.
        for (const QString &folder :
             {programFolder.path(), programFolder.filePath(QStringLiteral("..")),
              programFolder.filePath(QStringLiteral(ORLENDRA_MODULE_DIR_FROM_BIN))}) {
            QPluginLoader loader(QDir(folder).filePath(QStringLiteral("orlendra_printing")));
            loader.setLoadHints(QLibrary::PreventUnloadHint);
            if (auto *found = qobject_cast<PrintingModule *>(loader.instance()))
                return found;
        }
        return static_cast<PrintingModule *>(nullptr);
    }();
    if (!module)
        return false;
    module->print(parent, document, Paper::pageLayout(QLocale()));
    return true;
}
