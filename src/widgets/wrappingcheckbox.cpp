#include "wrappingcheckbox.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

constexpr int textFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

} // namespace

WrappingCheckBox::WrappingCheckBox(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setForegroundRole(QPalette::WindowText);
    setBackgroundRole(QPalette::Window);
    setAttribute(Qt::WA_Hover);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappingCheckBox::setCaption(const QString &text)
{
    setText(text);
    setAccessibleName(text);
    updateGeometry();
}

bool WrappingCheckBox::showsWholeText() const
{
    return textHeight(width()) <= contentsRect().height();
}

QSize WrappingCheckBox::sizeHint() const
{
    // About a line of a book: wider, a paragraph reads badly; narrower, it runs long.
    const int width = minimumSizeHint().width() + fontMetrics().averageCharWidth() * 54;
    return {width, heightForWidth(width)};
}

QSize WrappingCheckBox::minimumSizeHint() const
{
    return QSize(indicatorRect().width() + fontMetrics().averageCharWidth() * 16,
                 std::max(indicatorRect().height(), fontMetrics().height()))
        .grownBy(contentsMargins());
}

int WrappingCheckBox::heightForWidth(int width) const
{
    return std::max(indicatorRect().height(), textHeight(width)) + contentsMargins().top() +
           contentsMargins().bottom();
}

QRect WrappingCheckBox::indicatorRect() const
{
    const int width = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int height = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    const QRect inside = contentsRect();
    return {inside.left(), inside.top() + (inside.height() - height) / 2, width, height};
}

QRect WrappingCheckBox::textRect(const QRect &box) const
{
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    return box.adjusted(indicatorRect().width() + spacing, 0, 0, 0) - contentsMargins();
}

QString WrappingCheckBox::shownText() const
{
    // Paragraph breaks are CR LF in the texts; drawn text breaks at LF alone.
    return QString(text()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

int WrappingCheckBox::textHeight(int boxWidth) const
{
    const QRect room = textRect(QRect(0, 0, boxWidth, QWIDGETSIZE_MAX));
    return fontMetrics().boundingRect(room, textFlags, shownText()).height();
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton indicator;
    indicator.initFrom(this);
    indicator.rect = indicatorRect();
    indicator.state |= isChecked() ? QStyle::State_On : QStyle::State_Off;
    if (isDown())
        indicator.state |= QStyle::State_Sunken;
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect room = textRect(rect());
    painter.drawItemText(room, textFlags, palette(), isEnabled(), shownText(), foregroundRole());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics()
                         .boundingRect(room, textFlags, shownText())
                         .adjusted(-2, -1, 2, 1)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
