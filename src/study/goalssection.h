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

    // goal is 1 or 2.
    QCheckBox *tickBox(int goal) const { return m_ticks[goal - 1]; }
    GuardedTextBox *textBox(int goal) const { return m_texts[goal - 1]; }
    QPushButton *saveButton(int goal) const { return m_saves[goal - 1]; }

signals:
    void saveRequested(int goal);

private:
    std::array<QCheckBox *, 2> m_ticks{};
    std::array<GuardedTextBox *, 2> m_texts{};
    std::array<QPushButton *, 2> m_saves{};
};
