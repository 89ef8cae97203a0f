#pragma once

#include "platform/webpages.h"

#include <QMainWindow>

class LinkLabel;
class MeaningsQuizPage;
class Platform;
class QPushButton;
class QScreen;
class QScrollArea;
class QuizPageDriver;
class QuizSession;

// The frame window that hosts the meanings test: a top bar with "Start Again" and "Donate", a
// bottom bar with "Exit" and the two offers, and the test window in between. The test runs on
// the session of the whole run, so a frame built afresh for every test only has to show it.
class FrameWindow : public QMainWindow
{
    Q_OBJECT

public:
    FrameWindow(QuizSession &session, Platform &platform, QWidget *parent = nullptr);

    MeaningsQuizPage *meaningTest() const { return m_test; }

    // The test's "Next" pressed from code, once QuizSession::startTest has set the test up: it
    // builds question 1, and the first box waits for the keyboard when the frame is shown.
    void startTest();

    // As large as the test needs, but no larger than the screen's room for windows.
    void fitTo(const QScreen *screen);

signals:
    // The last question is scored; the session holds the test as the last finished one.
    void testFinished();
    void startAgainRequested();
    // Emitted whenever the window closes, by the user or by the program.
    void closing();
    void aboutRequested();
    void webPageRequested(WebPages::Page page);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *m_start = nullptr;
    QPushButton *m_donate = nullptr;
    QPushButton *m_exit = nullptr;
    QWidget *m_top = nullptr;
    QWidget *m_bottom = nullptr;
    QScrollArea *m_scroller = nullptr;
    MeaningsQuizPage *m_test = nullptr;
    QuizPageDriver *m_driver = nullptr;
};
