#include "roomfortext.h"

#include <QLabel>

#include <algorithm>

namespace {

// The room a label's text needs at its width. Plain text is measured as the label draws it, with
// its font's metrics: asked itself, a label may build a whole text document to measure it, which
// costs more than the rest of a window of them.
QSize neededSize(const QLabel *label)
{
    if (label->textFormat() != Qt::PlainText)
        return {label->sizeHint().width(), label->heightForWidth(label->width())};
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = label->fontMetrics().boundingRect(
        QRect(room.topLeft(), QSize(room.width(), QWIDGETSIZE_MAX)), flags, label->text());
    return text.size() + label->size() - room.size();
}

} // namespace

void widenForText(QLabel *label)
{
    const int reach = label->parentWidget()->width() - label->x();
    const int wanted = std::min(neededSize(label).width(), reach);
    if (wanted > label->width())
        label->resize(wanted, label->height());
}
