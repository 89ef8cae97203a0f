#pragma once

#include "catalogue/runecatalogue.h"
#include "goaldocument.h"
#include "platform/webpages.h"
#include "widgets/banner.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class GoalsSection;
class KeywordsQuizPage;
class LinkLabel;
class MemorizeSection;
class Platform;
class QPushButton;
class QStackedWidget;
class SettingsSection;
class QuizResultSection;
class QuizSetupWizard;
struct StudyWalk;
class QuizSession;

// The study window: four section buttons over a stack of six equal section panels, the
// promotional banner below them and the menu bar. It is built afresh each time the program comes
// back from a meanings test, and its load steps run each time.
class StudyWindow : public QMainWindow
{
    Q_OBJECT

public:
    // In stacking order: the first four are opened by the section buttons.
    enum class Section { Settings, MemorizeStones, TestSetUp, Goals, TestKeywords, TestResult };

    StudyWindow(Platform &platform, StudyWalk &walk, QuizSession &quizSession,
                QWidget *parent = nullptr);

    // The load steps, in their order: goals, study ticks, the Memorize action, then Settings to
    // the front, so the first stone is already prepared behind the section the user sees first.
    void load();

    // What a section button does: the section to the front, the Memorize section with its walk
    // from the first stone, the test set-up at its first page. Any section may be asked for.
    void showSection(Section section);
    void bringToFront(Section section);
    Section frontSection() const;

    void loadGoals();
    void saveGoal(int goal);

    void loadStudySettings();
    // Validates the ticks and stores them; false when they were refused (the user has been told).
    // A store that fails on the save of the load steps is signalled rather than told: it would
    // fail the same way at every load, and the user asked for nothing.
    bool saveStudySettings(bool atStart = false);

    // The Memorize action: store the ticks, then start a new walk at its first stone.
    void memorize(bool atStart = false);
    void memorizeStone();
    void showStudyStone();
    void nextStone();
    void previousStone();
    // The Memorize section walks through these stones, from the first; the study ticks and their
    // store stay as they are.
    void studyStones(const QList<StoneIndex> &stones);

    void pickBanner(BannerPick pick);

    // The end of either test: the result into the result section, and that section to the front.
    void showTestResult(const QString &resultText);

    SettingsSection *settingsSection() const { return m_settings; }
    // The other sections are built the first time they are wanted: a start shows only Settings.
    MemorizeSection *memorizeSection();
    GoalsSection *goalsSection();
    QuizSetupWizard *testSetUp();
    KeywordsQuizPage *keywordsTest();
    QuizResultSection *testResult();

signals:
    // Emitted whenever the window closes, by the user or by the program; whoever owns the window
    // decides what a close means.
    void closing();
    void aboutRequested();
    // "Progress...", from the menu or the result section.
    void progressRequested();
    // "Check History...": a check of every page of the history, and what it found.
    void checkHistoryRequested();
    void webPageRequested(WebPages::Page page);
    // The set-up asks for a meanings test; the session is ready for it.
    void meaningsTestRequested();
    // The ticks could not be stored by the load steps; `why` is the store's reason.
    void settingsNotStoredAtStart(const QString &why);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    // What the window's links do: ask whoever owns the window to open the page.
    std::function<void(WebPages::Page)> openPage();
    void buildBanner(QWidget *client);

    // What a screen reader hears of the section in front: the panels' name, and on its section
    // button, which keeps the focus, that the section is shown below.
    void tellFrontSection();
    // A section's panel, built on first use: a start shows only Settings.
    QWidget *panel(Section section);
    // A section built late takes the place kept for it in the stack, so that every section keeps
    // its index.
    void putInPlace(Section section, QWidget *panel);

    Platform &m_platform;
    StudyWalk &m_walk;
    QuizSession &m_quizSession;
    std::array<QPushButton *, 4> m_sectionButtons{};
    QStackedWidget *m_panels = nullptr;
    SettingsSection *m_settings = nullptr;
    MemorizeSection *m_memorize = nullptr;
    GoalsSection *m_goals = nullptr;
    QuizSetupWizard *m_testSetUp = nullptr;
    KeywordsQuizPage *m_keywordsTest = nullptr;
    QuizResultSection *m_testResult = nullptr;
    LinkLabel *m_cobrand = nullptr;
    LinkLabel *m_fullBrand = nullptr;
    std::array<GoalDocument, 2> m_goalDocuments;
    // While the load steps run nobody sees the window, so the panels only switch once, at
    // the end, to whichever section the steps left in front; until then it is kept here.
    std::optional<Section> m_loadingFront;
};
