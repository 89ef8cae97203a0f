#include "orlendraapp.h"

#include "aboutbox.h"
#include "appinfo.h"
#include "brand/branding.h"
#include "catalogue/runecatalogue.h"
#include "framewindow.h"
#include "history/historystore.h"
#include "history/schedule.h"
#include "platform/platform.h"
#include "platform/webpages.h"
#include "progress/historyquestions.h"
#include "study/studysettings.h"
#include "study/studywindow.h"
#include "synckeeper.h"
#include "translations.h"
#include "widgets/banner.h"
#include "widgets/screenfit.h"
#include "windowplacement.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <utility>

OrlendraApp::OrlendraApp(Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_quizSession(platform.random())
{
    m_quizSession.setFinishedListener([this](const AnswerSheet &sheet) { recordTest(sheet); });
    m_dayTurn = new QTimer(this);
    m_dayTurn->setObjectName(QStringLiteral("dayTurn"));
    m_dayTurn->setSingleShot(true);
    // Early by minutes, as a coarse timer may be, it would only have to be armed again.
    m_dayTurn->setTimerType(Qt::PreciseTimer);
    connect(m_dayTurn, &QTimer::timeout, this, &OrlendraApp::showDueToday);
    m_syncKeeper = new SyncKeeper(
        m_platform, [this]() -> HistoryStore & { return history(); }, this);
    connect(m_syncKeeper, &SyncKeeper::historyChanged, this, &OrlendraApp::historyChanged);
    connect(m_syncKeeper, &SyncKeeper::noticeWaiting, this,
            [this](QWidget *over) { tellHistoryNotice(over); });
}

OrlendraApp::~OrlendraApp()
{
    // Windows still open when the run object goes (tests) must not call back into it.
    m_ending = true;
    delete m_practice.data();
    delete m_progress.data();
    delete m_frame.data();
    delete m_study.data();
}

void OrlendraApp::prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orlendra"));
    // Before any window's texts are made, and before the study walk first reads the catalogue:
    // the windows and the course content speak the same language.
    const QString language = Translations::systemLanguage();
    Translations::install(language);
    setRuneCatalogueLanguage(language);
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QApplication::setDesktopFileName(AppInfo::id);
    QApplication::setQuitOnLastWindowClosed(false);
    // Message boxes and menus share the windows' face, so only one set of fonts is loaded.
    QApplication::setFont(Branding::programFont());
}

bool OrlendraApp::start()
{
    if (m_platform.anotherInstanceRunning() && !mayTakeOverLock()) {
        unloadAllAndEnd();
        return false;
    }
    m_platform.seedFromClock();
    StudyWindow *study = showStudyWindow();
    WindowPlacement::applyWindowIconOnceShown(study);
    study->pickBanner(bannerPickFor(bannerNumber(randomUnit(m_platform.random()))));
    // The folder is taken from the settings now; its first look comes once the window is up.
    m_syncKeeper->start();
    return true;
}

bool OrlendraApp::mayTakeOverLock()
{
    const std::optional<Platform::LockOwner> owner = m_platform.uncheckedLockOwner();
    if (!owner) {
        m_platform.message(nullptr, tr("Application is already running"),
                           Platform::Icon::Information);
        return false;
    }
    // A home folder shared between machines, or restored onto a new one: only the user can tell
    // whether that run still goes on. Without this question the lock would keep them out for good.
    const QString lockFile = QDir::toNativeSeparators(owner->lockFile);
    const auto answer = m_platform.message(
        nullptr,
        //: %1 is a computer's name, %2 the lock file's path, %3 the date and time it was taken
        tr("Orlendra may be running on %1: its lock file %2 was taken there on %3.\n\nStart "
           "anyway? That is safe only if no other copy of Orlendra runs on %1.")
            .arg(owner->host, lockFile, QLocale().toString(owner->taken, QLocale::ShortFormat)),
        Platform::Icon::Warning, Platform::Buttons::YesNo, Platform::Answer::No);
    if (answer != Platform::Answer::Yes)
        return false;
    if (m_platform.takeOverLock())
        return true;
    m_platform.message(nullptr, tr("The lock file %1 could not be removed.").arg(lockFile),
                       Platform::Icon::Critical);
    return false;
}

StudyWindow *OrlendraApp::loadStudyWindow()
{
    if (!m_study) {
        m_study = new StudyWindow(m_platform, m_walk, m_quizSession);
        // A closed window is gone for the run, even before Qt deletes it.
        connect(m_study, &StudyWindow::closing, this, [this] {
            m_study = nullptr;
            windowClosing();
        });
        connect(m_study, &StudyWindow::webPageRequested, this,
                [this](WebPages::Page page) { openWebPage(page, m_study); });
        connect(m_study, &StudyWindow::aboutRequested, this, [this] { showAboutBox(m_study); });
        connect(m_study, &StudyWindow::progressRequested, this, &OrlendraApp::showProgressWindow);
        connect(m_study, &StudyWindow::checkHistoryRequested, this, [this] {
            if (HistoryQuestions::check(m_platform, m_study, history()))
                historyChanged();
        });
        connect(m_study, &StudyWindow::meaningsTestRequested, this,
                &OrlendraApp::startMeaningsTest);
        connect(m_study, &StudyWindow::practiceRequested, this, &OrlendraApp::startPractice);
        connect(m_study, &StudyWindow::dueTodayWanted, this, &OrlendraApp::showDueToday);
        // Back at the window, the learner may come from a test on another computer.
        connect(m_study, &StudyWindow::dueTodayWanted, m_syncKeeper, &SyncKeeper::look);
        connect(m_study, &StudyWindow::syncFolderRequested, this,
                [this] { m_syncKeeper->choose(m_study); });
        // Told once as long as the reason stays the same: a read-only settings folder is no error
        // the user must hear of at every start, nor after every meanings test.
        connect(m_study->controller(), &StudyController::settingsNotStoredAtStart, this,
                [this](const QString &why) {
                    if (std::exchange(m_settingsTroubleTold, why) != why)
                        m_platform.message(m_study, StudySettingsRules::notStoredMessage(why),
                                           Platform::Icon::Warning);
                });
        // Placed before the load steps, so that a message they show stands over the window; back
        // from a test, on the screen the test ran on.
        WindowPlacement::putOnScreenOf(m_study, m_frame);
        m_study->adjustSize();
        WindowPlacement::centre(m_study);
        m_study->load();
    }
    return m_study;
}

StudyWindow *OrlendraApp::showStudyWindow()
{
    StudyWindow *study = loadStudyWindow();
    study->show();
    return study;
}

FrameWindow *OrlendraApp::loadFrameWindow()
{
    if (!m_frame) {
        m_frame = new FrameWindow(m_quizSession, m_platform);
        connect(m_frame, &FrameWindow::closing, this, [this] {
            m_frame = nullptr;
            windowClosing();
        });
        connect(m_frame, &FrameWindow::startAgainRequested, this, &OrlendraApp::startAgain);
        connect(m_frame, &FrameWindow::testFinished, this, &OrlendraApp::finishMeaningsTest);
        connect(m_frame, &FrameWindow::webPageRequested, this,
                [this](WebPages::Page page) { openWebPage(page, m_frame); });
        connect(m_frame, &FrameWindow::aboutRequested, this, [this] { showAboutBox(m_frame); });
        // On the screen the user has been working on, and no larger than it.
        WindowPlacement::putOnScreenOf(m_frame, m_study);
        m_frame->fitTo(m_frame->screen());
        WindowPlacement::centre(m_frame);
    }
    return m_frame;
}

FrameWindow *OrlendraApp::showFrameWindow()
{
    FrameWindow *frame = loadFrameWindow();
    frame->show();
    // The user asked for the test with the keyboard as often as with the mouse.
    WindowPlacement::handKeyboardTo(frame);
    // A test under way has no progress to show yet, and the study window it would walk is gone.
    if (m_progress)
        m_progress->hide();
    closeForHandOver(m_study);
    return frame;
}

void OrlendraApp::startMeaningsTest()
{
    loadFrameWindow()->startTest();
    showFrameWindow();
}

void OrlendraApp::finishMeaningsTest()
{
    loadStudyWindow()->showTestResult();
    WindowPlacement::handKeyboardTo(showStudyWindow());
    closeForHandOver(m_frame);
}

void OrlendraApp::startAgain()
{
    WindowPlacement::handKeyboardTo(showStudyWindow());
    closeForHandOver(m_frame);
}

void OrlendraApp::unloadAllAndEnd()
{
    if (m_ending)
        return;
    m_ending = true;
    if (ProgressWindow *progress = m_progress)
        progress->close();
    if (PracticeWindow *practice = m_practice)
        practice->close();
    if (FrameWindow *frame = m_frame)
        frame->close();
    if (StudyWindow *study = m_study)
        study->close();
    // Tests another program kept out of the history have a last chance; a test lost is told.
    if (m_history && m_history->waitingTests() > 0) {
        m_history->lastTry();
        if (const QString notice = m_history->takeNotice(); !notice.isEmpty())
            m_platform.message(nullptr, notice, Platform::Icon::Warning);
    }
    m_ended = true;
    emit runEnded();
}

AboutBox *OrlendraApp::showAboutBox(QWidget *over)
{
    auto *box = new AboutBox(over);
    connect(box, &AboutBox::webPageRequested, this,
            [this, box](WebPages::Page page) { openWebPage(page, box); });
    box->adjustSize();
    WindowPlacement::centre(box);
    box->show();
    return box;
}

void OrlendraApp::openWebPage(WebPages::Page page, QWidget *over)
{
    WebPages::openWebPage(m_platform, WebPages::pageKey(page), over);
}

HistoryStore &OrlendraApp::history()
{
    if (!m_history) {
        m_history = std::make_unique<HistoryStore>(m_platform.dataFolder());
        // Backups are named and thinned by the same clock the tests are recorded by.
        m_history->setClock([this] { return m_platform.now().toUTC(); });
        // A test or round that waited for the file counts once it is in: the due count and an
        // open Progress would show the history as it was before. Queued, so that a restore that
        // set them going has finished, and told its own, first.
        connect(
            m_history->waitingQueue(), &WaitingTests::tookWaiting, this,
            [this] {
                historyChanged();
                tellHistoryNotice(m_practice);
            },
            Qt::QueuedConnection);
    }
    return *m_history;
}

ProgressWindow *OrlendraApp::showProgressWindow()
{
    if (!m_progress) {
        m_progress = new ProgressWindow(m_platform, history());
        // Closed, it gives back all it holds: over a long history, and with a screen reader that
        // has asked after every row, that is much.
        m_progress->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_progress, &ProgressWindow::studyStonesRequested, this,
                [this](const QList<StoneIndex> &stones) {
                    StudyWindow *study = showStudyWindow();
                    study->controller()->studyStones(stones);
                    WindowPlacement::handKeyboardTo(study);
                });
        WindowPlacement::putOnScreenOf(m_progress, m_study);
        // Drawn for the desktop's usual 9 points at 96 dpi (12 pixels); a larger desktop font
        // gets a window as much larger, as far as the screen goes.
        const qreal growth = std::max(1.0, m_progress->fontInfo().pixelSize() / 12.0);
        fitToScreen(m_progress, (QSizeF(1000, 720) * growth).toSize(), m_progress->screen());
        WindowPlacement::centre(m_progress);
    }
    m_progress->reload();
    m_progress->show();
    m_progress->raise();
    WindowPlacement::handKeyboardTo(m_progress);
    return m_progress;
}

PracticeWindow *OrlendraApp::startPractice()
{
    if (!m_practice || !m_practice->runs()) {
        const QList<ItemRef> due = history().schedule().practiceRound(learnerDay(m_platform.now()));
        // The count on the button was of an earlier moment.
        if (due.isEmpty()) {
            showDueToday();
            return nullptr;
        }
        const bool built = !m_practice;
        if (built) {
            m_practice = new PracticeWindow(m_platform);
            m_practice->setAttribute(Qt::WA_DeleteOnClose);
            connect(m_practice, &PracticeWindow::roundFinished, this, &OrlendraApp::recordRound);
            // A closed window is gone, and a round left in it with it.
            connect(m_practice, &PracticeWindow::closing, this, [this] { m_practice = nullptr; });
        }
        QList<PracticeAnswer> questions;
        for (const ItemRef &item : due) {
            PracticeAnswer question{item.subject, {}};
            question.question.stone = item.stone;
            questions.append(question);
        }
        // At the level of the test set up last, and its stone types.
        m_practice->start(questions, m_quizSession.level(), m_quizSession.stoneTypes());
        if (built) {
            WindowPlacement::putOnScreenOf(m_practice, m_study);
            m_practice->fitTo(m_practice->screen());
            WindowPlacement::centre(m_practice);
        }
    }
    m_practice->show();
    m_practice->raise();
    WindowPlacement::handKeyboardTo(m_practice);
    return m_practice;
}

void OrlendraApp::showDueToday()
{
    if (!m_study || m_ending)
        return;
    const QDateTime now = m_platform.now();
    const QDate today = learnerDay(now);
    const Schedule &schedule = history().schedule();
    // The count follows once the history has been brought up to date.
    if (history().whenUpgraded(this, [this] { showDueToday(); })) {
        m_study->showHistoryUpgrading();
        return;
    }
    m_study->showDueToday(schedule.dueCount(today, QuizSubject::Keywords),
                          schedule.dueCount(today, QuizSubject::Meanings),
                          schedule.nextDueDay(today));
    // The next learner's day starts at 04:00 by the local clock, a day's length away or less.
    const QDateTime nextDay(today.addDays(1), QTime(4, 0));
    m_dayTurn->start(std::chrono::milliseconds(std::max<qint64>(now.msecsTo(nextDay), 0)));
}

void OrlendraApp::recordTest(const AnswerSheet &sheet)
{
    history().record(sheet, m_platform.now());
    m_syncKeeper->recorded();
    historyChanged();
    QTimer::singleShot(0, this, [this] { tellHistoryNotice(); });
}

void OrlendraApp::recordRound(const PracticeRound &round)
{
    history().record(round, m_platform.now());
    m_syncKeeper->recorded();
    historyChanged();
    // Over the round's score, where the user is.
    QTimer::singleShot(0, this, [this] { tellHistoryNotice(m_practice); });
}

void OrlendraApp::historyChanged()
{
    showDueToday();
    if (m_progress && m_progress->isVisible())
        m_progress->reload();
}

void OrlendraApp::tellHistoryNotice(QWidget *over)
{
    if (m_ending || !m_history)
        return;
    if (!over)
        over = m_study ? static_cast<QWidget *>(m_study) : m_frame;
    if (HistoryQuestions::tell(m_platform, over, *m_history))
        historyChanged();
}

void OrlendraApp::closeForHandOver(QWidget *window)
{
    if (!window)
        return;
    m_handingOver = true;
    window->close();
    m_handingOver = false;
}

void OrlendraApp::windowClosing()
{
    if (m_handingOver || m_ending)
        return;
    unloadAllAndEnd();
}
