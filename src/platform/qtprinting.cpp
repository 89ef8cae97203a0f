#include "paper.h"
#include "programmodules.h"
#include "qtplatform.h"

#include <QLocale>

bool QtPlatform::print(QWidget *parent, const PaperDocument &document)
{
    // Loaded once and kept for the run, as Qt Print Support keeps the printers it has found.
    static PrintingModule *const module =
        qobject_cast<PrintingModule *>(loadProgramModule(QStringLiteral("orlendra_printing")));
    if (!module)
        return false;
    module->print(parent, document, Paper::pageLayout(QLocale()));
    return true;
}
