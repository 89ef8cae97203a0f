#pragma once

#include "quizrecords.h"

#include <QWidget>

#include <array>

class Platform;
class QAbstractButton;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The "Test Set Up" section: three pages (subject, stone types for the meanings test, level) whose
// last "Next" sets up the test records and asks for the chosen test. The choices stay as they are
// for as long as the section lives.
class QuizSetupWizard : public QWidget
{
    Q_OBJECT

public:
    enum Page { Subjects, StoneTypes, Level };

    QuizSetupWizard(QuizRecords &records, Platform &platform, QWidget *parent = nullptr);

    void showPage(Page page);
    Page currentPage() const;

    // The "Next" buttons, index 0 to 2 as the pages stand, and the "Back" buttons of the
    // stone-type (0) and level (1) pages.
    void next(int index);
    void back(int index);

signals:
    // The records hold the new test, its question counter at 0; question 1 is not shown yet.
    void keywordsTestRequested();
    void meaningsTestRequested();

private:
    QWidget *addPage(const QString &name);
    // Lays a page out: the prompt, each choice beside a frame with its description, and the
    // page's buttons ("Back" only where backIndex is not negative).
    void fillPage(QWidget *page, const QString &prompt, const QList<QAbstractButton *> &choices,
                  const QStringList &frameCaptions, const QStringList &descriptions, int backIndex,
                  int nextIndex);
    bool meaningsChosen() const;
    void startTest();

    QuizRecords &m_records;
    Platform &m_platform;
    QStackedWidget *m_pages = nullptr;
    // Index as named: subject 0 is "Stone Meanings", 1 "Stone Keywords".
    std::array<QRadioButton *, 2> m_subjects{};
    std::array<QCheckBox *, 3> m_stoneTypes{};
    std::array<QRadioButton *, 2> m_levels{};
    // Frames and description labels are numbered across the pages, prompts after them.
    int m_descriptionsAdded = 0;
};
