#include "wrappingcheckbox.h"

#include <QEvent>
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
}

void WrappingCheckBox::setCaption(const QString &text)
{
    setText(text);
    setAccessibleName(text);
}

QFont WrappingCheckBox::shownFont() const
{
    fit();
    return m_shownFont;
}

bool WrappingCheckBox::showsWholeText() const
{
    fit();
    return m_whole;
}

QRect WrappingCheckBox::indicatorRect() const
{
    const int width = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int height = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return {0, (this->height() - height) / 2, width, height};
}

QRect WrappingCheckBox::textRect() const
{
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    return rect().adjusted(indicatorRect().right() + 1 + spacing, 0, 0, 0);
}

QString WrappingCheckBox::shownText() const
{
    // Paragraph breaks are CR LF in the texts; drawn text breaks at LF alone.
    return QString(text()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

int WrappingCheckBox::textHeight(const QFont &font) const
{
    return QFontMetrics(font).boundingRect(textRect(), textFlags, shownText()).height();
}

void WrappingCheckBox::fit() const
{
    if (m_fitted && m_fittedText == text())
        return;
    m_fitted = true;
    m_fittedText = text();
    m_shownFont = font();
    const int room = textRect().height();
    int size = QFontInfo(m_shownFont).pixelSize();
    while (textHeight(m_shownFont) > room && size > LeastPixelSize)
        m_shownFont.setPixelSize(--size);
    m_whole = textHeight(m_shownFont) <= room;
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

    painter.setFont(shownFont());
    const QRect room = textRect();
    painter.drawItemText(room, textFlags, palette(), isEnabled(), shownText(), foregroundRole());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.fontMetrics()
                         .boundingRect(room, textFlags, shownText())
                         .adjusted(-2, -1, 2, 1)
                         .intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void WrappingCheckBox::resizeEvent(QResizeEvent *event)
{
    m_fitted = false;
    QAbstractButton::resizeEvent(event);
}

void WrappingCheckBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_fitted = false;
    QAbstractButton::changeEvent(event);
}
