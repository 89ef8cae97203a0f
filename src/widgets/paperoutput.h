#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class PaperDocument;
class Platform;
class QFormLayout;
class QPushButton;

// Putting a document on paper, or into a PDF the user keeps.
namespace PaperOutput {

// Asks for a file and writes the document into it, on the locale's paper, the way every other
// file is saved: the old file stays as it was whatever fails, and the user is told why.
void savePdf(Platform &platform, QWidget *parent, const PaperDocument &document);
// The print preview, then the desktop's print dialog; the user is told when there is no printing.
void print(Platform &platform, QWidget *parent, const PaperDocument &document);

} // namespace PaperOutput

// Asks how a document is to look (the choices its maker puts into form()) and then prints it or
// saves it as a PDF. The document is made when a button is pressed, from the choices as they
// stand then. It is opened, not run: the window below goes on answering.
class PaperDialog : public QDialog
{
    Q_OBJECT

public:
    using Make = std::function<std::unique_ptr<PaperDocument>()>;

    // `pdfFirst`: the dialog was asked for as "... as PDF", so that is its default button.
    PaperDialog(Platform &platform, const QString &title, bool pdfFirst, QWidget *parent = nullptr);

    // What makes the document; nothing is made until it is set. It may give none (and say why).
    void setMake(Make make) { m_make = std::move(make); }

    QFormLayout *form() const { return m_form; }
    QPushButton *printButton() const { return m_print; }
    QPushButton *pdfButton() const { return m_pdf; }

private:
    Platform &m_platform;
    Make m_make;
    QFormLayout *m_form = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_pdf = nullptr;
};
