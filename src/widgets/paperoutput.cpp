#include "paperoutput.h"

#include "commandbutton.h"
#include "platform/detail.h"
#include "platform/filesaving.h"
#include "platform/paper.h"
#include "platform/platform.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace PaperOutput {

void savePdf(Platform &platform, QWidget *parent, const PaperDocument &document)
{
    const QString path = FileSaving::nameToSave(
        //: A filter of the save dialog: %1 is the pattern of the file names, kept as it is
        platform.saveFileName(parent,
                              PaperDialog::tr("PDF document (%1)").arg(QStringLiteral("*.pdf"))),
        QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    const FileSaving::Failure failure =
        FileSaving::replace(path, Paper::pdf(document, Paper::pageLayout(QLocale())));
    if (failure.isEmpty())
        return;
    platform.message(
        parent,
        withDetail(
            //: %1 is the file's path, %2 why it could not be saved
            PaperDialog::tr("The PDF could not be saved to %1.\n%2\n\nAny file of that "
                            "name still holds what it held before.")
                .arg(QDir::toNativeSeparators(path), failure.reason),
            failure.detail),
        Platform::Icon::Critical);
}

void print(Platform &platform, QWidget *parent, const PaperDocument &document)
{
    if (!platform.print(parent, document))
        platform.message(
            parent,
            PaperDialog::tr("Printing is not installed with this copy of Orlendra. Save "
                            "a PDF instead and print that."),
            Platform::Icon::Warning);
}

} // namespace PaperOutput

PaperDialog::PaperDialog(Platform &platform, const QString &title, bool pdfFirst, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("dlgPaper"));
    setWindowTitle(title);
    setAccessibleName(title);
    m_form = new QFormLayout;
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAccessibleName(cancel->text().remove(QLatin1Char('&')));
    m_print = commandButton(tr("&Print..."), QStringLiteral("cmdPrint"), buttons);
    m_pdf = commandButton(tr("Save as P&DF..."), QStringLiteral("cmdSavePdf"), buttons);
    buttons->addButton(m_print, QDialogButtonBox::ActionRole);
    buttons->addButton(m_pdf, QDialogButtonBox::ActionRole);
    // The box hands its focus on to its first button, which puts it into the Tab chain after the
    // last one: Tab would go round the two added for good.
    buttons->setFocusProxy(nullptr);
    (pdfFirst ? m_pdf : m_print)->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The dialog goes first: the preview and the save dialog are modal over the window below.
    connect(m_print, &QPushButton::clicked, this, [this] {
        hide();
        if (const std::unique_ptr<PaperDocument> document = m_make ? m_make() : nullptr)
            PaperOutput::print(m_platform, parentWidget(), *document);
        accept();
    });
    connect(m_pdf, &QPushButton::clicked, this, [this] {
        hide();
        if (const std::unique_ptr<PaperDocument> document = m_make ? m_make() : nullptr)
            PaperOutput::savePdf(m_platform, parentWidget(), *document);
        accept();
    });
}
