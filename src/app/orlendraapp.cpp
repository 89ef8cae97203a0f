#include "orlendraapp.h"

#include "aboutbox.h"
#include "framewindow.h"
#include "widgets/banner.h"
#include "brand/branding.h"
#include "platform/platform.h"
#include "links.h"
#include "study/studywindow.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

OrlendraApp::OrlendraApp(Platform &platform, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_quizSession(platform.random())
{}

OrlendraApp::~OrlendraApp()
{
    // Windows still open when the run object goes (tests) must not call back into it.
    m_ending = true;
    delete m_frame.data();
    delete m_study.data();
}

void OrlendraApp::prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orlendra"));
    // Lets the desktop match the windows with the installed menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.orlendra.Orlendra"));
    QApplication::setQuitOnLastWindowClosed(false);
    // Message boxes and menus share the windows' face, so only one set of fonts is loaded.
    QApplication::setFont(Branding::programFont());
}

void OrlendraApp::applyWindowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/orlendra-32.png"));
    icon.addFile(QStringLiteral(":/icon/orlendra-64.png"));
    QApplication::setWindowIcon(icon);
}

bool OrlendraApp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &OrlendraApp::applyWindowIcon);
    }
    return QObject::eventFilter(watched, event);
}

bool OrlendraApp::start()
{
    if (m_platform.anotherInstanceRunning()) {
        m_platform.message(nullptr, QStringLiteral("Application is already running"),
                           Platform::Icon::Information);
        unloadAllAndEnd();
        return false;
    }
    m_platform.seedFromClock();
    StudyWindow *study = showStudyWindow();
    // Nobody needs the icon to see the window: it is decoded once the window has been drawn.
    study->installEventFilter(this);
    study->pickBanner(bannerPickFor(bannerNumber(randomUnit(m_platform.random()))));
    return true;
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
        Links::connectLinks(m_study, m_platform);
        connect(m_study, &StudyWindow::aboutRequested, this, [this] { showAboutBox(m_study); });
        connect(m_study, &StudyWindow::meaningsTestRequested, this,
                &OrlendraApp::startMeaningsTest);
        // Placed before the load steps, so that a message they show stands over the window; back
        // from a test, on the screen the test ran on.
        if (m_frame)
            m_study->setScreen(m_frame->screen());
        m_study->adjustSize();
        centre(m_study);
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
        Links::connectLinks(m_frame, m_platform);
        connect(m_frame, &FrameWindow::aboutRequested, this, [this] { showAboutBox(m_frame); });
        // On the screen the user has been working on, and no larger than it.
        if (m_study)
            m_frame->setScreen(m_study->screen());
        m_frame->fitTo(m_frame->screen());
        centre(m_frame);
    }
    return m_frame;
}

FrameWindow *OrlendraApp::showFrameWindow()
{
    FrameWindow *frame = loadFrameWindow();
    frame->show();
    // The user asked for the test with the keyboard as often as with the mouse.
    frame->activateWindow();
    closeForHandOver(m_study);
    return frame;
}

void OrlendraApp::startMeaningsTest()
{
    loadFrameWindow()->startTest();
    showFrameWindow();
}

void OrlendraApp::finishMeaningsTest(const QString &resultText)
{
    loadStudyWindow()->showTestResult(resultText);
    showStudyWindow()->activateWindow();
    closeForHandOver(m_frame);
}

void OrlendraApp::startAgain()
{
    showStudyWindow()->activateWindow();
    closeForHandOver(m_frame);
}

void OrlendraApp::unloadAllAndEnd()
{
    if (m_ending)
        return;
    m_ending = true;
    if (FrameWindow *frame = m_frame)
        frame->close();
    if (StudyWindow *study = m_study)
        study->close();
    m_ended = true;
    emit runEnded();
}

AboutBox *OrlendraApp::showAboutBox(QWidget *over)
{
    auto *box = new AboutBox(over);
    Links::connectLinks(box, m_platform);
    box->adjustSize();
    centre(box);
    box->show();
    return box;
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

void OrlendraApp::centre(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
