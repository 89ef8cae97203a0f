#pragma once

#include "quiz/quizrecords.h"

#include <QObject>

class Platform;
class QuizPage;
class QuizSession;

// Runs a rune test of the session on a page, with "Next" as its only driver: the session checks
// the ticks, scores and builds the questions, the page shows them, and the driver carries
// between the two and hands over the result. Each test page gets one driver, from drive(); a
// test starts with QuizSession::startTest and then next() from code.
// The digit keys 1 to 5 (Beginner) or 1 to 8 (Advanced) click the option box of that number.
class QuizPageDriver : public QObject
{
    Q_OBJECT

public:
    // The driver of the subject's page, owned by the page. The keywords page shares the study
    // window with boxes the user types digits into, so there the digit keys work only while the
    // focus stands on the page; the meanings page has its frame to itself, so there they work
    // wherever the focus stands in the frame, the scroll area included.
    static QuizPageDriver *drive(QuizSubject subject, QuizSession &session, Platform &platform,
                                 QuizPage *page);
    Q_DISABLE_COPY_MOVE(QuizPageDriver)

    // The press of "Next".
    void next();
    // Puts the session's question on the page; a keyboard user answers it from its first box.
    void showQuestion();

signals:
    // The last question is scored; the session holds the test as the last finished one.
    void finished();
    // A practice round goes on with a question of the other subject, for the other page.
    void handedOver();

private:
    QuizPageDriver(QuizSubject subject, QuizSession &session, Platform &platform, QuizPage *page,
                   Qt::ShortcutContext digitScope);
    void optionClicked(int index, bool ticked);
    void digitPressed(int index);

    const QuizSubject m_subject;
    QuizSession &m_session;
    Platform &m_platform;
    QuizPage *const m_page;
};
