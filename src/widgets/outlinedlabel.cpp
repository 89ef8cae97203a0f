#include "outlinedlabel.h"

#include <QPainter>
#include <QStyle>

OutlinedLabel::OutlinedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void OutlinedLabel::setOutline(const QColor &colour)
{
    m_outline = colour;
    update();
}

int OutlinedLabel::textFlags() const
{
    return int(QStyle::visualAlignment(layoutDirection(), alignment())) |
           (wordWrap() ? Qt::TextWordWrap : 0);
}

QRect OutlinedLabel::textRect() const
{
    return fontMetrics().boundingRect(contentsRect(), textFlags(), text());
}

void OutlinedLabel::paintEvent(QPaintEvent *event)
{
    if (!m_outline.isValid()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const int flags = textFlags();
    // The text drawn once in every direction around itself makes a crisp halo at any size,
    // where a stroked outline would eat into small letters.
    painter.setPen(m_outline);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0)
                painter.drawText(area.translated(dx, dy), flags, text());
        }
    }
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, flags, text());
}
