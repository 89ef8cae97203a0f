#include "paper.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace Paper {

QPageLayout pageLayout(const QLocale &locale)
{
    static constexpr QLocale::Country letterCountries[] = {
        QLocale::UnitedStates, QLocale::Canada,   QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia, QLocale::Venezuela, QLocale::PuertoRico};
    const bool letter = std::find(std::begin(letterCountries), std::end(letterCountries),
                                  locale.territory()) != std::end(letterCountries);
    return QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QByteArray pdf(const PaperDocument &document, const QPageLayout &layout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        // 300 dots per inch, what the pictures are drawn for; finer only makes the file larger.
        writer.setResolution(300);
        writer.setPageLayout(layout);
        writer.setTitle(document.title());
        writer.setCreator(QStringLiteral("Orlendra"));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        document.paint(writer, painter);
    }
    return bytes;
}

double mm(const QPagedPaintDevice &device, double millimetres)
{
    return millimetres * device.logicalDpiY() / 25.4;
}

QFont font(double points, bool bold)
{
    QFont face(QStringLiteral("DejaVu Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(points);
    face.setBold(bold);
    // Without ligatures: a word copied from the PDF, or read out by a screen reader, is then
    // spelt as it is written ("fi", not the one sign of it). A spacing of its own turns them off;
    // one hundredth wider is more than nothing and less than an eye sees.
    face.setLetterSpacing(QFont::PercentageSpacing, 101);
    return face;
}

namespace {

QRectF textRect(const QPaintDevice &device, const Text &text, double width)
{
    return QFontMetricsF(text.font, &device)
        .boundingRect(QRectF(0, 0, width - text.indent, 1e9), Qt::TextWordWrap, text.text);
}

} // namespace

double height(const QPagedPaintDevice &device, const QList<Text> &texts, double width)
{
    double total = 0;
    for (const Text &text : texts)
        total += textRect(device, text, width).height();
    return total;
}

double draw(QPainter &painter, const QList<Text> &texts, double left, double top, double width)
{
    double y = top;
    for (const Text &text : texts) {
        const double height = textRect(*painter.device(), text, width).height();
        painter.setFont(text.font);
        painter.setPen(text.colour);
        painter.drawText(QRectF(left + text.indent, y, width - text.indent, height),
                         int(text.alignment) | Qt::TextWordWrap, text.text);
        y += height;
    }
    return y - top;
}

Flow::Flow(QPagedPaintDevice &device)
    : m_device(device)
    , m_width(device.width())
    , m_height(device.height())
{}

double Flow::place(double height, double gap)
{
    if (m_y > 0 && m_y + gap + height > m_height)
        newPage();
    const double top = m_y > 0 ? m_y + gap : 0;
    m_y = top + height;
    return top;
}

void Flow::newPage()
{
    m_device.newPage();
    m_y = 0;
    ++m_page;
}

} // namespace Paper
