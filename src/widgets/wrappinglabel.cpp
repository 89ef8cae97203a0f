#include "wrappinglabel.h"

namespace {

// Wide enough for a few words a line, so the layout never squeezes the label into a column.
constexpr int HintedCharacters = 30;

} // namespace

WrappingLabel::WrappingLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

QSize WrappingLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * HintedCharacters + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

QSize WrappingLabel::minimumSizeHint() const
{
    return sizeHint();
}
