#include "sectionstack.h"

#include <QAbstractButton>

#include <utility>

void SectionStack::setButtons(const QList<QAbstractButton *> &buttons)
{
    m_buttons = buttons;
}

void SectionStack::addSections(QWidget *first, const QList<Build> &later)
{
    // The section shown first lays itself out as it is added; at its own size, not at a new
    // widget's default one, or every text of it is measured twice.
    first->setGeometry(contentsRect());
    addWidget(first);
    // Until a section is built, an empty widget keeps its place, so that every section keeps its
    // index.
    m_builds = later;
    m_builds.prepend(Build());
    for (qsizetype i = 0; i < later.size(); ++i)
        addWidget(new QWidget);
    connect(this, &QStackedWidget::currentChanged, this, &SectionStack::tellFront);
}

QWidget *SectionStack::section(int index)
{
    const Build build = std::exchange(m_builds[index], {});
    if (!build)
        return widget(index);
    QWidget *panel = build();
    QWidget *placeholder = widget(index);
    panel->setGeometry(contentsRect());
    insertWidget(index, panel);
    removeWidget(placeholder);
    delete placeholder;
    // Made last, its controls came last in the window's Tab order, after whatever follows the
    // stack; they belong right after the section buttons, in their own order.
    QList<QWidget *> controls;
    for (QWidget *next = panel->nextInFocusChain(); panel->isAncestorOf(next);
         next = next->nextInFocusChain())
        controls.append(next);
    QWidget *previous = m_buttons.back();
    for (QWidget *control : std::as_const(controls)) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        setTabOrder(previous, control);
        previous = control;
    }
    return panel;
}

void SectionStack::bringToFront(int index)
{
    if (m_heldFront)
        m_heldFront = index;
    else
        setCurrentWidget(section(index));
}

int SectionStack::front() const
{
    return m_heldFront.value_or(currentIndex());
}

void SectionStack::holdFront()
{
    m_heldFront = front();
}

void SectionStack::releaseFront()
{
    setCurrentWidget(section(*std::exchange(m_heldFront, std::nullopt)));
}

void SectionStack::tellFront()
{
    QWidget *panel = currentWidget();
    setAccessibleName(panel->accessibleName());
    // A section's own description names what it shows first: the stone, the set-up's question.
    const QString heading = panel->accessibleDescription();
    // Told by place, not by name: a translation may name a button and its section apart.
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setAccessibleDescription(i != currentIndex() ? QString()
                                               : heading.isEmpty()
                                                   ? tr("Shown below.")
                                                   : tr("Shown below: %1").arg(heading));
    }
}
