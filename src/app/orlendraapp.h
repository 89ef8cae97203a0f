#pragma once

#include "app/framewindow.h"
#include "progress/progresswindow.h"
#include "quiz/quizsession.h"
#include "quizscreens/practicewindow.h"
#include "study/studywalk.h"
#include "study/studywindow.h"

#include <QObject>
#include <QPointer>

#include <memory>

class AboutBox;
class SyncKeeper;
class HistoryStore;
class Platform;
class QTimer;
class QWidget;

// One run of the program: start-up, the two main windows that take turns, and leaving.
//
// The rule for leaving lives here and only here: a window that the user closes (close box, an
// Exit entry or button) ends the whole run; a window that the program closes during a hand-over
// just goes, because the window to continue with has already been shown.
class OrlendraApp : public QObject
{
    Q_OBJECT

public:
    explicit OrlendraApp(Platform &platform, QObject *parent = nullptr);
    ~OrlendraApp() override;
    Q_DISABLE_COPY_MOVE(OrlendraApp)

    // Application-wide settings that come before any window: name, language, icon, font, and
    // leaving by the program's own rule rather than by whichever window happened to close last.
    static void prepareApplication();

    // The start-up sequence. False when another run is going: the user has been told, and this
    // run has ended without showing a window.
    bool start();

    // Shows the study window, loading a fresh one (with all its load steps) if none is loaded.
    StudyWindow *showStudyWindow();
    // Hands over to the meanings test: the frame window is shown, then the study window closes.
    FrameWindow *showFrameWindow();
    // The set-up's start of a meanings test, which the session holds: question 1 is built in
    // the frame before anything is shown, then the hand-over to the frame.
    void startMeaningsTest();
    // The end of a meanings test: the session's result in the result section of a freshly loaded
    // study window, that window shown, then the frame closes.
    void finishMeaningsTest();
    // The frame's "Start Again": a freshly loaded study window, then the frame closes.
    void startAgain();
    // Closes every open window and ends the run, asking and saving nothing.
    void unloadAllAndEnd();
    // A new About box, modal over the window that asked for it. Returns once it is shown; the
    // window takes no input until the box is closed.
    AboutBox *showAboutBox(QWidget *over);

    StudyWindow *studyWindow() const { return m_study; }
    FrameWindow *frameWindow() const { return m_frame; }
    StudyWalk &walk() { return m_walk; }
    QuizSession &quizSession() { return m_quizSession; }
    // The Progress window, built on first use, read afresh and shown over the study window.
    ProgressWindow *showProgressWindow();
    ProgressWindow *progressWindow() const { return m_progress; }
    // The history of finished tests, in the platform's data folder; opened on first use.
    HistoryStore &history();
    // "Practise Due Stones": a round of what is due today in the practice window, shown over the
    // study window; a round already under way there is only brought to the front.
    PracticeWindow *startPractice();
    PracticeWindow *practiceWindow() const { return m_practice; }
    // The study window's count of what is due, read from the history by the platform's clock.
    void showDueToday();
    bool hasEnded() const { return m_ended; }

signals:
    void runEnded();

private:
    // Asks about a lock whose run cannot be checked from here and takes it over if the user says
    // so; a lock of a live run here is only told of. True when this run may start.
    bool mayTakeOverLock();
    StudyWindow *loadStudyWindow();
    FrameWindow *loadFrameWindow();
    void closeForHandOver(QWidget *window);
    void windowClosing();
    // A message that no browser took the page stands over the window whose link asked for it.
    void openWebPage(WebPages::Page page, QWidget *over);
    // Keeps a finished test; what went wrong is told once the result is on screen.
    void recordTest(const AnswerSheet &sheet);
    void recordRound(const PracticeRound &round);
    // Over `over`, or the study window, or the frame.
    void tellHistoryNotice(QWidget *over = nullptr);
    // The history's views shown afresh: what is due, and Progress while it is open.
    void historyChanged();

    Platform &m_platform;
    StudyWalk m_walk;
    QuizSession m_quizSession;
    QPointer<StudyWindow> m_study;
    QPointer<FrameWindow> m_frame;
    std::unique_ptr<HistoryStore> m_history;
    QPointer<ProgressWindow> m_progress;
    QPointer<PracticeWindow> m_practice;
    // Fires when the next learner's day starts, which brings what falls due with it.
    QTimer *m_dayTurn = nullptr;
    // The history kept in step with the learner's other computers.
    SyncKeeper *m_syncKeeper = nullptr;
    // The reason the study ticks could not be stored at start, once the user has been told.
    QString m_settingsTroubleTold;
    bool m_handingOver = false;
    bool m_ending = false;
    bool m_ended = false;
};
