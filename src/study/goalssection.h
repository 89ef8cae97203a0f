#pragma once

#include <QWidget>

#include <array>

class GuardedTextBox;
class Platform;
class QCheckBox;
class QPushButton;
class StudyController;

// The Goals section: two goals, each locked until its tick box is ticked, as the controller
// loaded them; "Save" hands a goal's text to the controller.
class GoalsSection : public QWidget
{
    Q_OBJECT

public:
    GoalsSection(Platform &platform, StudyController &controller, QWidget *parent = nullptr);

    QString goalText(int goal) const;

private:
    // goal is 1 or 2. A goal with a lock reason shows its text but cannot be changed.
    void showGoal(int goal, const QString &text, const QString &lockReason);
    // Seen in the box, but a screen reader is told that the goal's file holds it now.
    void confirmSaved(int goal);
    // A screen reader hears on the tick box whether, and why, its goal is locked.
    void describeLock(int index);

    std::array<QCheckBox *, 2> m_ticks{};
    std::array<GuardedTextBox *, 2> m_texts{};
    std::array<QPushButton *, 2> m_saves{};
    std::array<QString, 2> m_lockReasons;
};
