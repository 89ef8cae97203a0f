#pragma once

#include "catalogue/runecatalogue.h"
#include "goaldocument.h"
#include "platform/platform.h"
#include "studysettings.h"
#include "studywalk.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

// What the study window's sections ask for, without any of their controls: the goals, the study
// ticks and their store, the walk and the section switch. The sections tell it what the user did;
// its signals tell them what to show. The walk is the run's, and outlives the controller, which
// lives as long as one loaded study window.
class StudyController : public QObject
{
    Q_OBJECT

public:
    // In stacking order: the first four are opened by the section buttons.
    enum class Section { Settings, MemorizeStones, TestSetUp, Goals, TestKeywords, TestResult };
    Q_ENUM(Section)

    // A message box for the user, standing over whatever shows the study; the answer comes back.
    using Talk =
        std::function<Platform::Answer(const QString &text, Platform::Icon icon,
                                       Platform::Buttons buttons, Platform::Answer defaultAnswer)>;

    // Without a way to talk, message boxes stand on their own.
    StudyController(Platform &platform, StudyWalk &walk, Talk talk = {}, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(StudyController)

    // The load steps, in their order: goals, study ticks, the Memorize action, then Settings to
    // the front, so the first stone is already prepared behind the section the user sees first.
    void load();

    // What a section button does: the section to the front, the Memorize section with its walk
    // from the first stone (the stone on display stays). Any section may be asked for.
    void openSection(Section section);

    // Validates the ticks and stores them; false when they were refused (the user has been told).
    bool saveSettings(const StudySettings &ticks);
    // The Memorize action: store the ticks, then start a new walk at its first stone.
    void memorize(const StudySettings &ticks);

    void nextStone();
    void previousStone();
    // The Memorize section walks through these stones, from the first; the study ticks and their
    // store stay as they are.
    void studyStones(const QList<StoneIndex> &stones);
    const StudyWalk &walk() const { return m_walk; }

    // goal is 1 or 2.
    const GoalDocument &goal(int goal) const { return m_goals[goal - 1]; }
    void saveGoal(int goal, const QString &text);
    // Ticking a goal means to edit it; the user hears straight away why a locked one cannot be.
    void explainGoalLock(const QString &lockReason);

signals:
    void goalLoaded(int goal, const QString &text, const QString &lockReason);
    void goalSaved(int goal);
    void ticksLoaded(const StudySettings &ticks);
    // The ticks could not be stored by the load steps; `why` is the store's reason. Not told
    // here: it would fail the same way at every load, and the user asked for nothing.
    void settingsNotStoredAtStart(const QString &why);
    void sectionWanted(StudyController::Section section);
    void stoneShown(StoneIndex stone);
    // An unset state leaves its button as it is.
    void walkButtonsChanged(std::optional<bool> back, std::optional<bool> next);

private:
    enum class Asker { User, LoadSteps };

    Platform::Answer tell(const QString &text, Platform::Icon icon,
                          Platform::Buttons buttons = Platform::Buttons::Ok,
                          Platform::Answer defaultAnswer = Platform::Answer::Ok);
    void loadGoals();
    bool storeTicks(const StudySettings &ticks, Asker asker);
    void memorizeFor(const StudySettings &ticks, Asker asker);

    Platform &m_platform;
    StudyWalk &m_walk;
    const Talk m_talk;
    std::array<GoalDocument, 2> m_goals;
};
