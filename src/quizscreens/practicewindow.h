#pragma once

#include "quiz/quizrecords.h"
#include "quiz/quizsession.h"

#include <QWidget>

class KeywordsQuizPage;
class MeaningsQuizPage;
class Platform;
class QLabel;
class QPushButton;
class QScreen;
class QScrollArea;
class QStackedWidget;
class QuizPage;
class QuizPageDriver;

// A practice round in a window of its own beside the study window: each question on the page of
// its subject, asked and answered as in a test, then the score and the review of the answers. The
// round runs on a session of its own, so a test under way in the study window goes on as it was;
// a round left unfinished, its window closed, counts for nothing.
class PracticeWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PracticeWindow(Platform &platform, QWidget *parent = nullptr);

    // A new round of `questions` (each its stone and subject) at `level`, the meanings questions
    // of `stoneTypes`: question 1 on its page, its first box waiting for the keyboard.
    void start(const QList<PracticeAnswer> &questions, QuizLevel level, StoneTypes stoneTypes);
    // A round has started and not yet ended.
    bool runs() const;
    // As large as the meanings page, but no larger than the screen's room for windows.
    void fitTo(const QScreen *screen);

    const QuizSession &session() const { return m_session; }
    // The page of the question on screen, or none once the round has ended.
    QuizPage *currentPage() const;
    QLabel *resultLabel() const { return m_result; }
    QPushButton *reviewButton() const { return m_review; }

signals:
    // The last answer is scored: the whole round, to be kept.
    void roundFinished(const PracticeRound &round);
    // Emitted whenever the window closes; a round under way is gone with it.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QuizPage *pageOf(QuizSubject subject) const;
    QuizPageDriver *driverOf(QuizSubject subject) const;
    // The session has moved on to a question of the other subject.
    void handOver();
    // The page of the question on screen, with the focus on its first box.
    void showPageOf(QuizSubject subject);
    void finish();
    // Shows `page`, with the focus on `target` and nowhere on the way.
    void bringToFront(QWidget *page, QWidget *target);

    QuizSession m_session;
    QScrollArea *m_scroller = nullptr;
    QStackedWidget *m_pages = nullptr;
    KeywordsQuizPage *m_keywords = nullptr;
    MeaningsQuizPage *m_meanings = nullptr;
    QuizPageDriver *m_keywordsDriver = nullptr;
    QuizPageDriver *m_meaningsDriver = nullptr;
    QWidget *m_end = nullptr;
    QLabel *m_result = nullptr;
    QPushButton *m_review = nullptr;
};
