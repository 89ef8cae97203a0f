#pragma once

#include "quiz/quizrecords.h"

#include <QObject>

class Platform;
class QuizPage;
class QuizSession;

// Runs a rune test of the session on a page, with "Next" as its only driver: the session checks
// the ticks, scores and builds the questions, the page shows them, and the driver carries
// between the two and hands over the result. Each test page gets one driver (the keywords page
// makes its own; the frame makes the meanings page's); `finished` is passed on. A test starts
// with QuizSession::startTest and then next() from code.
// The digit keys 1 to 5 (Beginner) or 1 to 8 (Advanced) click the option box of that number
// wherever the focus stands in `digitScope`: Qt::WidgetWithChildrenShortcut for the page,
// Qt::WindowShortcut for the page's whole window.
class QuizPageDriver : public QObject
{
    Q_OBJECT

public:
    QuizPageDriver(QuizSubject subject, QuizSession &session, Platform &platform, QuizPage *page,
                   Qt::ShortcutContext digitScope);
    Q_DISABLE_COPY_MOVE(QuizPageDriver)

    // The press of "Next".
    void next();
    // Puts the session's question on the page; a keyboard user answers it from its first box.
    void showQuestion();

signals:
    // The last question is scored; the session holds the test as the last finished one.
    void finished(const QString &resultText);
    // A practice round goes on with a question of the other subject, for the other page.
    void handedOver();

private:
    void optionClicked(int index, bool ticked);
    void digitPressed(int index);

    const QuizSubject m_subject;
    QuizSession &m_session;
    Platform &m_platform;
    QuizPage *const m_page;
};
