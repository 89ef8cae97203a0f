#pragma once

#include "platform/webpages.h"
#include "studycontroller.h"
#include "widgets/banner.h"
#include "widgets/sectionstack.h"

#include <QDate>
#include <QMainWindow>

#include <optional>

class GoalsSection;
class KeywordsQuizPage;
class LinkLabel;
class QLabel;
class QPushButton;
class MemorizeSection;
class QuizPageDriver;
class QuizResultSection;
class QuizSession;
class QuizSetupWizard;
class SettingsSection;

// The study window: four section buttons over a stack of six equal section panels, the
// promotional banner below them and the menu bar. It hosts the sections; what they ask for is
// the controller's. It is built afresh each time the program comes back from a meanings test,
// and its load steps run each time.
class StudyWindow : public QMainWindow
{
    Q_OBJECT

public:
    using Section = StudyController::Section;

    StudyWindow(Platform &platform, StudyWalk &walk, QuizSession &quizSession,
                QWidget *parent = nullptr);

    StudyController *controller() const { return m_controller; }
    // The controller's load steps; nobody sees the sections switch on the way.
    void load();

    // What a section button does (StudyController::openSection).
    void showSection(Section section);
    void bringToFront(Section section);
    Section frontSection() const;

    void pickBanner(BannerPick pick);

    // What the boxes have due today, keywords and meanings, beside the menus; with nothing due,
    // "Practise Due Stones" is off and tells the day the next item falls due.
    void showDueToday(int keywords, int meanings, std::optional<QDate> next);
    // In place of the count while the history is brought up to date, beside the program.
    void showHistoryUpgrading();
    // The set-up's start of a keywords test, which the session holds: question 1 on its page.
    void startKeywordsTest();
    // The end of either test: the session's result into the result section, and that section to
    // the front.
    void showTestResult();

    SettingsSection *settingsSection() const { return m_settings; }
    // The other sections are built the first time they are wanted: a start shows only Settings.
    MemorizeSection *memorizeSection() { return built(Section::MemorizeStones, m_memorize); }
    GoalsSection *goalsSection() { return built(Section::Goals, m_goals); }
    QuizSetupWizard *testSetUp() { return built(Section::TestSetUp, m_testSetUp); }
    KeywordsQuizPage *keywordsTest() { return built(Section::TestKeywords, m_keywordsTest); }
    QuizResultSection *testResult() { return built(Section::TestResult, m_testResult); }

signals:
    // Emitted whenever the window closes, by the user or by the program; whoever owns the window
    // decides what a close means.
    void closing();
    void aboutRequested();
    // "Progress...", from the menu or the result section.
    void progressRequested();
    // "Check History...": a check of every page of the history, and what it found.
    void checkHistoryRequested();
    // "Sync Folder...": the folder shared with the learner's other computers.
    void syncFolderRequested();
    void webPageRequested(WebPages::Page page);
    // The set-up asks for a meanings test; the session is ready for it.
    void meaningsTestRequested();
    // "Practise Due Stones".
    void practiceRequested();
    // What is due may have changed while the window was out of sight: it is shown or active again.
    void dueTodayWanted();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildSections(QWidget *client);
    void buildMenus();
    void buildDueToday();
    // The section's panel, which its builder keeps in `panel` the first time it is wanted.
    template <class Panel> Panel *built(Section section, Panel *const &panel)
    {
        m_panels->section(static_cast<int>(section));
        return panel;
    }

    Platform &m_platform;
    QuizSession &m_quizSession;
    StudyController *m_controller = nullptr;
    SectionStack *m_panels = nullptr;
    SettingsSection *m_settings = nullptr;
    MemorizeSection *m_memorize = nullptr;
    GoalsSection *m_goals = nullptr;
    QuizSetupWizard *m_testSetUp = nullptr;
    KeywordsQuizPage *m_keywordsTest = nullptr;
    QuizPageDriver *m_keywordsDriver = nullptr;
    QuizResultSection *m_testResult = nullptr;
    LinkLabel *m_cobrand = nullptr;
    LinkLabel *m_fullBrand = nullptr;
    QLabel *m_dueToday = nullptr;
    QPushButton *m_practiseDue = nullptr;
    bool m_painted = false;
};
