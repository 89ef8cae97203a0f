// The module that puts the program's documents on a printer, with Qt Print Support, loaded when
// the user first prints.
#include "platform/paper.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

class QtPrinting final : public QObject, public PrintingModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrintingModule_iid)
    Q_INTERFACES(PrintingModule)

public:
    void print(QWidget *parent, const PaperDocument &document, const QPageLayout &layout) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(document.title());
        if (printer.outputFormat() == QPrinter::NativeFormat) {
            // The paper in the printer's tray, with the margins every document is laid out in.
            printer.setPageMargins(layout.margins(), layout.units());
        } else {
            // No printer set up: the preview still shows the pages on the locale's paper.
            printer.setPageLayout(layout);
        }
        QPrintPreviewDialog preview(&printer, parent);
        preview.setObjectName(QStringLiteral("dlgPrintPreview"));
        preview.setAccessibleName(preview.windowTitle());
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [&document](QPrinter *target) {
                    QPainter painter(target);
                    painter.setRenderHint(QPainter::SmoothPixmapTransform);
                    document.paint(*target, painter);
                });
        preview.exec();
    }
};

} // namespace

#include "printingmodule.moc"
