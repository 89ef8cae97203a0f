#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QtPlugin>

class QLocale;
class QPagedPaintDevice;
class QPainter;
class QWidget;

// Something the program puts on paper: a study sheet, flash cards, a test, a result. It is laid
// out anew for whatever device it is given, a printer with the paper in its tray or a PDF of the
// locale's paper, so nothing of it is fixed to one size of page.
class PaperDocument
{
public:
    virtual ~PaperDocument() = default;

    // What the printer's queue and the PDF's title name it.
    virtual QString title() const = 0;
    // Paints every page on `device`, whose page layout is set; `painter` is open on it.
    virtual void paint(QPagedPaintDevice &device, QPainter &painter) const = 0;
};

namespace Paper {

// The paper of the locale's country (Letter in the United States and the countries that keep
// it, A4 elsewhere), upright, with margins wide enough for any desktop printer.
QPageLayout pageLayout(const QLocale &locale);

// The document as a PDF of `layout`'s pages, at a resolution that keeps its pictures sharp.
QByteArray pdf(const PaperDocument &document, const QPageLayout &layout);

// Device pixels of the device's resolution.
double mm(const QPagedPaintDevice &device, double millimetres);

// The face of every document: the pages are read, not glanced at, so a plain book face of the
// given size in points that every desktop has, with the symbols the marks use.
QFont font(double points, bool bold = false);

// A run of text in one face and colour, wrapped at the width it is given.
struct Text {
    QFont font;
    QString text;
    QColor colour = Qt::black;
    double indent = 0; // device pixels
    Qt::Alignment alignment = Qt::AlignLeft;
};
// The height of the texts one below the other, wrapped at `width`.
double height(const QPagedPaintDevice &device, const QList<Text> &texts, double width);
// Draws them from `top` down; the height they took.
double draw(QPainter &painter, const QList<Text> &texts, double left, double top, double width);

// Blocks placed down the pages one below the other. A block that does not fit on what is left of
// a page starts the next one, so none is ever cut in two (unless it is taller than a page).
class Flow
{
public:
    explicit Flow(QPagedPaintDevice &device);

    // The top of a block `height` tall, `gap` below the one before it on the same page.
    double place(double height, double gap = 0);
    void newPage();
    double width() const { return m_width; }
    int page() const { return m_page; }

private:
    QPagedPaintDevice &m_device;
    double m_width = 0;
    double m_height = 0;
    double m_y = 0;
    int m_page = 1;
};

} // namespace Paper

// The printing part of the desktop, with Qt Print Support behind it, lives in a module of its own
// that is loaded when the user first prints: linked to the program, it would be loaded at every
// start for something most runs never do.
class PrintingModule
{
public:
    virtual ~PrintingModule() = default;

    // Shows the document in a print preview whose print button asks the desktop's print dialog;
    // returns once the user has printed or given up. The document goes on the printer's paper,
    // within `layout`'s margins, or on `layout`'s paper where no printer is set up.
    virtual void print(QWidget *parent, const PaperDocument &document,
                       const QPageLayout &layout) = 0;
};

#define PrintingModule_iid "org.orlendra.orlendra.PrintingModule/1"
Q_DECLARE_INTERFACE(PrintingModule, PrintingModule_iid)
