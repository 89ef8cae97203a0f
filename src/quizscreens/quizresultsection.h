#pragma once

#include <QDateTime>
#include <QWidget>

class GuardedTextBox;
class Platform;
class QPushButton;
class QuizSession;

// The result section of the study window: the text of the last finished test, either subject,
// and saving the box's text to a text file.
class QuizResultSection : public QWidget
{
    Q_OBJECT

public:
    QuizResultSection(Platform &platform, const QuizSession &session, QWidget *parent = nullptr);

    // The result of the session's last finished test, in the box.
    void showLastResult();
    GuardedTextBox *resultBox() const { return m_result; }
    QPushButton *saveButton() const { return m_save; }
    QPushButton *reviewButton() const { return m_review; }

    // "Save Current Result": asks for a file and writes the box's text into it.
    void saveResult();
    // "Review Answers": opens the review of the last finished test, without waiting on it.
    void reviewAnswers();
    // "Print..." and "Save as PDF...": the last finished test with its review, on paper.
    void putOnPaper(bool pdf);

signals:
    void progressRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Only a test that ran to its end in this run can be reviewed.
    void updateReviewButton();

    Platform &m_platform;
    const QuizSession &m_session;
    GuardedTextBox *m_result = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_review = nullptr;
    bool m_fixedPitch = false;
    QPushButton *m_print = nullptr;
    QPushButton *m_pdf = nullptr;
    // When the result was shown, which is when its test finished.
    QDateTime m_finishedAt;
};
