#include "studycontroller.h"

#include "goalfile.h"

#include <QDir>

StudyController::StudyController(Platform &platform, StudyWalk &walk, Talk talk, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_walk(walk)
    , m_talk(std::move(talk))
{}

Platform::Answer StudyController::tell(const QString &text, Platform::Icon icon,
                                       Platform::Buttons buttons, Platform::Answer defaultAnswer)
{
    return m_talk ? m_talk(text, icon, buttons, defaultAnswer)
                  : m_platform.message(nullptr, text, icon, buttons, defaultAnswer);
}

void StudyController::load()
{
    loadGoals();
    const StudySettings ticks = StudySettingsRules::load(m_platform.settings());
    emit ticksLoaded(ticks);
    memorizeFor(ticks, Asker::LoadSteps);
    openSection(Section::Settings);
}

void StudyController::openSection(Section section)
{
    if (section == Section::MemorizeStones) {
        m_walk.studyPosition = 0;
        emit walkButtonsChanged(false, true);
    }
    emit sectionWanted(section);
}

void StudyController::loadGoals()
{
    const QDir folder(m_platform.programFolder());
    if (const QString trouble = m_platform.takeGoalFolderTrouble(); !trouble.isEmpty())
        tell(trouble, Platform::Icon::Information);
    for (int goal = 1; goal <= 2; ++goal)
        GoalFile::createIfMissing(folder.filePath(GoalFile::fileName(goal)), goal);
    for (int goal = 1; goal <= 2; ++goal) {
        GoalDocument &document = m_goals[goal - 1];
        const QString text = document.load(goal, folder.filePath(GoalFile::fileName(goal)));
        emit goalLoaded(goal, text, document.lockReason());
    }
}

void StudyController::saveGoal(int goal, const QString &text)
{
    const auto ask = [this](const QString &question, bool yesByDefault) {
        return tell(question, Platform::Icon::Information, Platform::Buttons::YesNo,
                    yesByDefault ? Platform::Answer::Yes : Platform::Answer::No) ==
               Platform::Answer::Yes;
    };
    const GoalDocument::Told told = m_goals[goal - 1].save(text, ask);
    if (!told.text.isEmpty())
        tell(told.text, told.failed ? Platform::Icon::Critical : Platform::Icon::Information);
    if (told.saved)
        emit goalSaved(goal);
}

void StudyController::explainGoalLock(const QString &lockReason)
{
    tell(lockReason, Platform::Icon::Information);
}

bool StudyController::saveSettings(const StudySettings &ticks)
{
    return storeTicks(ticks, Asker::User);
}

bool StudyController::storeTicks(const StudySettings &ticks, Asker asker)
{
    const auto verdict = StudySettingsRules::check(ticks);
    if (verdict != StudySettingsRules::Verdict::Accepted) {
        tell(StudySettingsRules::refusalMessage(verdict), Platform::Icon::Critical);
        return false;
    }
    const QString error = StudySettingsRules::store(m_platform.settings(), ticks);
    if (!error.isEmpty()) {
        // The choices still count for this session; only remembering them failed.
        if (asker == Asker::LoadSteps)
            emit settingsNotStoredAtStart(error);
        else
            tell(StudySettingsRules::notStoredMessage(error), Platform::Icon::Critical);
    } else if (const QString notice = m_platform.settings().takeNotice(); !notice.isEmpty()) {
        tell(notice, Platform::Icon::Information);
    }
    return true;
}

void StudyController::memorize(const StudySettings &ticks)
{
    memorizeFor(ticks, Asker::User);
}

void StudyController::memorizeFor(const StudySettings &ticks, Asker asker)
{
    if (!storeTicks(ticks, asker))
        return;
    openSection(Section::MemorizeStones);
    m_walk.studyOrder = studyOrderFor(ticks.stoneGroup);
    emit stoneShown(m_walk.currentStone());
}

void StudyController::nextStone()
{
    const WalkStep step = stepNext(m_walk);
    if (step.showStone)
        emit stoneShown(m_walk.currentStone());
    emit walkButtonsChanged(step.backEnabled, step.nextEnabled);
    if (step.offerTest &&
        //: A question in two lines, which \r separates
        tell(tr("You Are Ready To Give Test\rAre You Sure You Want To Give Test"),
             Platform::Icon::Information, Platform::Buttons::YesNo,
             Platform::Answer::Yes) == Platform::Answer::Yes)
        openSection(Section::TestSetUp);
}

void StudyController::previousStone()
{
    const WalkStep step = stepBack(m_walk);
    if (step.showStone)
        emit stoneShown(m_walk.currentStone());
    emit walkButtonsChanged(step.backEnabled, step.nextEnabled);
}

void StudyController::studyStones(const QList<StoneIndex> &stones)
{
    if (stones.isEmpty())
        return;
    m_walk.studyOrder = stones;
    openSection(Section::MemorizeStones);
    emit stoneShown(m_walk.currentStone());
}
