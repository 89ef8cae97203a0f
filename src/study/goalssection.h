#pragma once

#include <QWidget>

#include <array>

class GuardedTextBox;
class Platform;
class QCheckBox;
class QPushButton;

// The Goals section: two goals, each locked until its tick box is ticked.
class GoalsSection : public QWidget
{
    Q_OBJECT

public:
    explicit GoalsSection(Platform &platform, QWidget *parent = nullptr);

    // goal is 1 or 2. A goal with a lock reason shows its text but cannot be changed.
    void showGoal(int goal, const QString &text, const QString &lockReason);
    QString goalText(int goal) const;
    // Seen in the box, but a screen reader is told that the goal's file holds it now.
    void confirmSaved(int goal);

signals:
    void saveRequested(int goal);
    // A locked goal was ticked, which means to edit it.
    void lockedGoalTicked(const QString &lockReason);

private:
    // A screen reader hears on the tick box whether, and why, its goal is locked.
    void describeLock(int index);

    std::array<QCheckBox *, 2> m_ticks{};
    std::array<GuardedTextBox *, 2> m_texts{};
    std::array<QPushButton *, 2> m_saves{};
    std::array<QString, 2> m_lockReasons;
};
