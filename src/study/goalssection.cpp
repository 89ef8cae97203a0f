#include "goalssection.h"

#include "studycontroller.h"
#include "widgets/focusnews.h"
#include "widgets/guardedtextbox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

GoalsSection::GoalsSection(Platform &platform, StudyController &controller, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picGoals"));
    setAccessibleName(tr("Goals"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setVerticalSpacing(4);
    for (int i = 0; i < 2; ++i) {
        const int goal = i + 1;
        const QString caption = tr("Goal %1").arg(goal);
        m_ticks[i] = new QCheckBox(caption, this);
        m_ticks[i]->setObjectName(QStringLiteral("chkGoal%1").arg(goal));
        m_ticks[i]->setAccessibleName(caption);
        m_saves[i] = new QPushButton(tr("Save"), this);
        m_saves[i]->setObjectName(QStringLiteral("cmdGoal%1").arg(goal));
        m_saves[i]->setAccessibleName(tr("Save Goal %1").arg(goal));
        m_saves[i]->setEnabled(false);
        m_texts[i] = new GuardedTextBox(platform, this);
        m_texts[i]->setObjectName(QStringLiteral("txtGoal%1").arg(goal));
        m_texts[i]->setAccessibleName(caption);
        m_texts[i]->setEnabled(false);

        // A goal stays locked until its box is ticked; unticking locks it again and keeps
        // whatever was typed, saved or not. Ticking means to edit it: the user hears straight
        // away why a goal whose file cannot be changed cannot be.
        connect(m_ticks[i], &QCheckBox::toggled, &controller, [this, i, &controller](bool ticked) {
            m_texts[i]->setEnabled(ticked);
            m_saves[i]->setEnabled(ticked);
            describeLock(i);
            if (ticked && !m_lockReasons[i].isEmpty())
                controller.explainGoalLock(m_lockReasons[i]);
        });
        connect(m_saves[i], &QPushButton::clicked, &controller,
                [this, goal, &controller] { controller.saveGoal(goal, goalText(goal)); });
        connect(m_texts[i], &QPlainTextEdit::textChanged, m_saves[i],
                [save = m_saves[i]] { save->setAccessibleDescription({}); });
        describeLock(i);

        const int row = i * 2;
        layout->addWidget(m_ticks[i], row, 0, Qt::AlignLeft);
        layout->addWidget(m_saves[i], row, 1, Qt::AlignRight);
        layout->addWidget(m_texts[i], row + 1, 0, 1, 2);
        layout->setRowStretch(row + 1, 1);
        showGoal(goal, controller.goal(goal).loadedText(), controller.goal(goal).lockReason());
    }
    connect(&controller, &StudyController::goalLoaded, this, &GoalsSection::showGoal);
    connect(&controller, &StudyController::goalSaved, this, &GoalsSection::confirmSaved);
}

void GoalsSection::showGoal(int goal, const QString &text, const QString &lockReason)
{
    GuardedTextBox *box = m_texts[goal - 1];
    box->setText(text);
    box->setReadOnly(!lockReason.isEmpty());
    m_lockReasons[goal - 1] = lockReason;
    describeLock(goal - 1);
}

void GoalsSection::describeLock(int index)
{
    const QString reason = m_lockReasons[index].isEmpty() && !m_ticks[index]->isChecked()
                               ? tr("Locked; tick to change Goal %1.").arg(index + 1)
                               : m_lockReasons[index];
    m_ticks[index]->setAccessibleDescription(reason);
    m_texts[index]->setAccessibleDescription(m_lockReasons[index]);
}

void GoalsSection::confirmSaved(int goal)
{
    QPushButton *save = m_saves[goal - 1];
    save->setAccessibleDescription(tr("Goal %1 saved.").arg(goal));
    if (save->hasFocus())
        focusWithNews(save);
}

QString GoalsSection::goalText(int goal) const
{
    return m_texts[goal - 1]->text();
}
