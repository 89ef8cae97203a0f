#pragma once

#include "quiz/quizrecords.h"

#include <QWidget>

#include <array>
#include <functional>

class Platform;
class QAbstractButton;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QuizSession;

// The "Test Set Up" section: three pages (subject, stone types for the meanings test, level) whose
// last "Next" starts a test of the session and asks for it. The choices stay as they are for as
// long as the section lives.
class QuizSetupWizard : public QWidget
{
    Q_OBJECT

public:
    enum Page { Subjects, StoneTypes, Level };

    QuizSetupWizard(QuizSession &session, Platform &platform, QWidget *parent = nullptr);

    void showPage(Page page);

    // The "Next" and "Back" of a page.
    void next(Page page);
    void back(Page page);

signals:
    // The session holds the new test, its question counter at 0; question 1 is not shown yet.
    void keywordsTestRequested();
    void meaningsTestRequested();

private:
    // Where a page leads, as its own choices decide, in the manner of QWizardPage.
    struct Flow {
        // Why "Next" may not go on yet, or empty once the page's choices are taken.
        std::function<QString()> validate;
        // The page "Next" shows; -1 starts the test.
        std::function<int()> nextId;
        std::function<Page()> backId;
    };

    QWidget *addPage(const QString &name);
    // Lays a page out: the prompt, each choice beside a frame with its description, and the
    // page's buttons ("Back" on every page but the first).
    void fillPage(Page id, const QString &prompt, const QList<QAbstractButton *> &choices,
                  const QStringList &frameCaptions, const QStringList &descriptions);
    bool meaningsChosen() const;
    void startTest();

    QuizSession &m_session;
    Platform &m_platform;
    QStackedWidget *m_pages = nullptr;
    std::array<Flow, 3> m_flow;
    // Index as named: subject 0 is "Stone Meanings", 1 "Stone Keywords".
    std::array<QRadioButton *, 2> m_subjects{};
    std::array<QCheckBox *, 3> m_stoneTypes{};
    std::array<QRadioButton *, 2> m_levels{};
    // Frames and description labels are numbered across the pages, prompts after them.
    int m_descriptionsAdded = 0;
};
