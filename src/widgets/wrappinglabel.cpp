#include "wrappinglabel.h"

namespace {

// Wide enough for a few words a line, so the layout never squeezes the label into a column.
constexpr int HintedCharacters = 30;
// Narrower only where a layout is short of room, as with texts longer than the English ones.
constexpr int LeastCharacters = 20;

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
    const QMargins margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * LeastCharacters + margins.left() + margins.right(),
            sizeHint().height()};
}
