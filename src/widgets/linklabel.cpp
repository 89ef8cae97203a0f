#include "linklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Plain labels are static text to a screen reader; these can be pressed.
class LinkLabelAccessible : public QAccessibleWidget
{
public:
    explicit LinkLabelAccessible(LinkLabel *label)
        : QAccessibleWidget(label, QAccessible::Link)
    {}

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<LinkLabel *>(widget())->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Return"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
};

QAccessibleInterface *linkLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkLabel"))
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

bool opensLink(const QKeyEvent *event)
{
    // Combinations with Ctrl or Alt belong to the window.
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : OutlinedLabel(text, parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkLabelAccessible);
        return true;
    }();
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab, but a click opens the page without taking the focus.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(text);
}

void LinkLabel::click()
{
    emit clicked();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    OutlinedLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (!opensLink(event)) {
        OutlinedLabel::keyPressEvent(event);
        return;
    }
    // A key held down opens the page once, not once for every repeat.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    OutlinedLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A mark around the text itself: the label may reach beyond what its window shows.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(textRect().adjusted(-2, -1, 1, 0) & rect().adjusted(0, 0, -1, -1));
}
