#pragma once

#include <QStackedWidget>

#include <functional>
#include <optional>

class QAbstractButton;

// Equal section panels lying on top of each other, the one in front being the one the user sees,
// below a row of buttons that bring them there. Only the first panel is built at once; each other
// one is built the first time it is wanted, so a window that starts on its first section builds
// nothing else.
class SectionStack : public QStackedWidget
{
    Q_OBJECT

public:
    using Build = std::function<QWidget *()>;

    using QStackedWidget::QStackedWidget;

    // One button for each of the first sections, named as its section's panel; the last one leads
    // on into the section in front with Tab.
    void setButtons(const QList<QAbstractButton *> &buttons);
    // `first` is a child of the stack already; each of `later` builds its panel, as a child of the
    // stack, the first time it is wanted.
    void addSections(QWidget *first, const QList<Build> &later);

    // The section's panel, built if it was not yet.
    QWidget *section(int index);
    void bringToFront(int index);
    int front() const;
    // While held, the panels do not switch (nobody sees them); releasing brings the section last
    // asked for to the front.
    void holdFront();
    void releaseFront();

    // What a screen reader hears of the section in front: the panels' name, and on its button,
    // which keeps the focus, that the section is shown below. Told again whenever the front
    // section's description changes.
    void tellFront();

private:
    QList<QAbstractButton *> m_buttons;
    QList<Build> m_builds;
    std::optional<int> m_heldFront;
};
