#include "roomfortext.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>

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

void makeRoomForTexts(QWidget *form)
{
    struct Place {
        QWidget *widget;
        QRect rect;
        int growth = 0;
        int shift = 0;
    };
    QList<Place> places;
    for (QWidget *child : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        Place place{child, child->geometry()};
        auto *label = qobject_cast<QLabel *>(child);
        if (label && label->isVisibleTo(form) && !label->text().isEmpty() &&
            label->pixmap().isNull()) {
            if (!label->wordWrap() && neededSize(label).width() > label->width())
                label->setWordWrap(true);
            if (label->wordWrap())
                place.growth = std::max(0, neededSize(label).height() - label->height());
        }
        places.append(place);
    }
    std::sort(places.begin(), places.end(),
              [](const Place &a, const Place &b) { return a.rect.top() < b.rect.top(); });
    // A control moves down as far as the lowest reach of what ends above it.
    int formGrowth = 0;
    for (qsizetype i = 0; i < places.size(); ++i) {
        for (qsizetype above = 0; above < i; ++above) {
            if (places[above].rect.bottom() < places[i].rect.top())
                places[i].shift =
                    std::max(places[i].shift, places[above].shift + places[above].growth);
        }
        formGrowth = std::max(formGrowth, places[i].shift + places[i].growth);
    }
    if (formGrowth == 0)
        return;
    for (const Place &place : std::as_const(places))
        place.widget->setGeometry(
            place.rect.adjusted(0, place.shift, 0, place.shift + place.growth));
    if (form->minimumHeight() == form->maximumHeight())
        form->setFixedHeight(form->height() + formGrowth);
    else
        form->resize(form->width(), form->height() + formGrowth);
}

ScrollingContent::ScrollingContent(QWidget *panel)
    : QWidget(panel)
{
    panel->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now))
            bringIntoView(now);
    });
}

QSize ScrollingContent::sizeHint() const
{
    return layout() ? layout()->sizeHint() : QSize();
}

bool ScrollingContent::event(QEvent *event)
{
    // What the content needs may have changed; placed first, the layout then lays the texts out
    // once, at the size they are shown at.
    if (event->type() == QEvent::LayoutRequest)
        place();
    return QWidget::event(event);
}

bool ScrollingContent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != parent())
        return false;
    if (event->type() == QEvent::Resize)
        place();
    // A wheel turned over the content, which nothing in it took.
    if (event->type() == QEvent::Wheel && m_bar && m_bar->isVisible())
        return QCoreApplication::sendEvent(m_bar, event);
    return false;
}

void ScrollingContent::place()
{
    const QSize room = parentWidget()->size();
    const auto neededAt = [this](int width) {
        const int needed = heightForWidth(width);
        return needed >= 0 ? needed : minimumSizeHint().height();
    };
    int width = room.width();
    int needed = neededAt(width);
    const bool scrolls = needed > room.height();
    if (scrolls && !m_bar) {
        m_bar = new QScrollBar(Qt::Vertical, parentWidget());
        m_bar->setFocusPolicy(Qt::NoFocus);
        connect(m_bar, &QScrollBar::valueChanged, this, [this](int value) { move(0, -value); });
    }
    if (scrolls) {
        width -= m_bar->sizeHint().width();
        needed = neededAt(width);
        m_bar->setGeometry(width, 0, room.width() - width, room.height());
        m_bar->setRange(0, needed - room.height());
        m_bar->setPageStep(room.height());
        m_bar->setSingleStep(fontMetrics().height());
    }
    if (m_bar)
        m_bar->setVisible(scrolls);
    setGeometry(0, scrolls ? -m_bar->value() : 0, width, scrolls ? needed : room.height());
}

void ScrollingContent::bringIntoView(const QWidget *control)
{
    if (!m_bar || !m_bar->isVisible())
        return;
    const int top = control->mapTo(this, QPoint(0, 0)).y();
    const int bottom = top + control->height();
    const int shown = parentWidget()->height();
    if (top < m_bar->value())
        m_bar->setValue(top);
    else if (bottom > m_bar->value() + shown)
        m_bar->setValue(std::min(top, bottom - shown));
}
