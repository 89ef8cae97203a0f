#include "app/framewindow.h"
#include "app/orlendraapp.h"
#include "app/translations.h"
#include "history/historystore.h"
#include "quizscreens/meaningsquizpage.h"
#include "scriptedplatform.h"
#include "study/studywindow.h"
#include "widgets/banner.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class LeavingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void start_showsTheStudyWindow();
    void start_picksTheBannerFromTheEngine();
    void start_speaksTheFirstLanguageItCan();
    void secondRun_onlySaysSo();
    void lockOfAnotherMachine_isAskedAbout();
    void userClosingTheStudyWindow_endsTheRun_data();
    void userClosingTheStudyWindow_endsTheRun();
    void handOverToTheFrame_goesOn();
    void startAgain_showsAFreshStudyWindow();
    void settingsNotStored_isToldOncePerRun();
    void userClosingTheFrame_endsTheRun_data();
    void userClosingTheFrame_endsTheRun();
    void frameButtons_keepToTheRightEdge();
    void frameFitsASmallScreen();
    void syncFolder_takesInAndWritesOut();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<OrlendraApp> m_app;
};

void LeavingTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_platform = std::make_unique<ScriptedPlatform>();
    m_platform->folder = m_folder->path();
    m_app = std::make_unique<OrlendraApp>(*m_platform);
}

void LeavingTest::cleanup()
{
    m_app.reset();
    // Windows closed by the program go with the next turn of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void LeavingTest::start_showsTheStudyWindow()
{
    QSignalSpy ended(m_app.get(), &OrlendraApp::runEnded);
    QVERIFY(m_app->start());
    QVERIFY(m_app->studyWindow());
    QVERIFY(m_app->studyWindow()->isVisible());
    QCOMPARE(m_app->studyWindow()->frontSection(), StudyWindow::Section::Settings);
    QVERIFY(!m_app->frameWindow());
    QCOMPARE(ended.count(), 0);
    QVERIFY(m_platform->messages.isEmpty());
    // The icon follows once the window has been drawn.
    QTRY_VERIFY(!QApplication::windowIcon().isNull());
}

void LeavingTest::start_picksTheBannerFromTheEngine()
{
    for (RandomEngine::result_type seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        init();
        m_platform->seed = seed;
        RandomEngine engine(seed);
        const BannerPick pick = bannerPickFor(bannerNumber(randomUnit(engine)));
        QVERIFY(m_app->start());
        QWidget *banner =
            m_app->studyWindow()->findChild<QWidget *>(QStringLiteral("fraFullBrand"));
        const QObjectList stack = banner->children();
        // The last child is the one in front.
        const QString front = stack.last()->objectName();
        if (pick == BannerPick::Cobrand)
            QCOMPARE(front, QStringLiteral("lblCobrand"));
        else
            QCOMPARE(front, QStringLiteral("lblFullBrand"));
        cleanup();
    }
}

void LeavingTest::start_speaksTheFirstLanguageItCan()
{
    // Past a language it does not speak to one it does; never past English, its own.
    QCOMPARE(Translations::chooseLanguage({"fr", "fr-FR", "de-DE", "de"}), QStringLiteral("de"));
    QCOMPARE(Translations::chooseLanguage({"en-US", "en", "de"}), QString());
}

void LeavingTest::secondRun_onlySaysSo()
{
    m_platform->otherInstance = true;
    QSignalSpy ended(m_app.get(), &OrlendraApp::runEnded);
    QVERIFY(!m_app->start());
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Information);
    QCOMPARE(m_platform->messages[0].buttons, Platform::Buttons::Ok);
    QVERIFY(!m_app->studyWindow());
    QCOMPARE(ended.count(), 1);
    // Nothing of this run touched the goal files or the settings.
    QVERIFY(QDir(m_folder->path()).isEmpty());
    QVERIFY(m_platform->store.writtenKeys.isEmpty());
}

void LeavingTest::lockOfAnotherMachine_isAskedAbout()
{
    const QDateTime taken(QDate(2031, 1, 2), QTime(3, 4));
    for (const auto answer : {Platform::Answer::No, Platform::Answer::Yes}) {
        init();
        m_platform->otherInstance = true;
        m_platform->lockOwner = Platform::LockOwner{"/h/o.lock", "attic-pc", taken};
        m_platform->answers << answer;
        QCOMPARE(m_app->start(), answer == Platform::Answer::Yes);
        QCOMPARE(m_platform->lockTakenOver, answer == Platform::Answer::Yes);
        const auto asked = m_platform->messages.value(0);
        QCOMPARE(asked.defaultAnswer, Platform::Answer::No);
        for (const QString &part : {QStringLiteral("/h/o.lock"), QStringLiteral("attic-pc"),
                                    QLocale().toString(taken, QLocale::ShortFormat)})
            QVERIFY2(asked.text.contains(part), qPrintable(asked.text));
        cleanup();
    }
}

void LeavingTest::userClosingTheStudyWindow_endsTheRun_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("File, Exit") << true;
}

void LeavingTest::userClosingTheStudyWindow_endsTheRun()
{
    QFETCH(bool, throughMenu);
    QVERIFY(m_app->start());
    QSignalSpy ended(m_app.get(), &OrlendraApp::runEnded);
    StudyWindow *study = m_app->studyWindow();
    if (throughMenu)
        study->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    else
        study->close();
    QCOMPARE(ended.count(), 1);
    QVERIFY(m_app->hasEnded());
    const auto messages = m_platform->messages.size();
    QCOMPARE(messages, qsizetype(0));
}

void LeavingTest::handOverToTheFrame_goesOn()
{
    QVERIFY(m_app->start());
    QSignalSpy ended(m_app.get(), &OrlendraApp::runEnded);
    QPointer<StudyWindow> study = m_app->studyWindow();
    FrameWindow *frame = m_app->showFrameWindow();
    QVERIFY(frame->isVisible());
    QVERIFY(frame->meaningTest());
    QCOMPARE(frame->meaningTest()->objectName(), QStringLiteral("frmMeaningTest"));
    QCOMPARE(ended.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(study.isNull());
    QVERIFY(!m_app->studyWindow());
}

void LeavingTest::startAgain_showsAFreshStudyWindow()
{
    QVERIFY(m_app->start());
    m_app->studyWindow()->showSection(StudyWindow::Section::MemorizeStones);
    m_app->studyWindow()->controller()->nextStone();
    QCOMPARE(m_app->walk().studyPosition, 1);
    QPointer<FrameWindow> frame = m_app->showFrameWindow();
    QSignalSpy ended(m_app.get(), &OrlendraApp::runEnded);
    QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("cmdStart")), Qt::LeftButton);
    QCOMPARE(ended.count(), 0);
    StudyWindow *study = m_app->studyWindow();
    QVERIFY(study && study->isVisible());
    QCOMPARE(study->frontSection(), StudyWindow::Section::Settings);
    QCOMPARE(m_app->walk().studyPosition, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(frame.isNull());
    // The menu entry does the same as the button.
    FrameWindow *second = m_app->showFrameWindow();
    second->findChild<QAction *>(QStringLiteral("mnuStart"))->trigger();
    QVERIFY(m_app->studyWindow()->isVisible());
    QCOMPARE(ended.count(), 0);
}

void LeavingTest::settingsNotStored_isToldOncePerRun()
{
    m_platform->store.failure = QStringLiteral("The file /ro/Orlendra.ini could not be written.");
    QVERIFY(m_app->start());
    m_app->showFrameWindow();
    m_app->startAgain();
    // Asked for by the user, a save that fails is told in full.
    m_app->studyWindow()->findChild<QPushButton *>(QStringLiteral("cmdSaveSettings"))->click();
    QCOMPARE(m_platform->messages.size(), 2);
    QVERIFY(m_platform->messages[0].text.contains(m_platform->store.failure));
    QCOMPARE(m_platform->messages[0].icon, Platform::Icon::Warning);
    QCOMPARE(m_platform->messages[1].icon, Platform::Icon::Critical);
}

void LeavingTest::userClosingTheFrame_endsTheRun_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("File, Exit") << "mnuExit";
}

void LeavingTest::userClosingTheFrame_endsTheRun()
{
    QFETCH(QString, how);
    QVERIFY(m_app->start());
    FrameWindow *frame = m_app->showFrameWindow();
    QSignalSpy ended(m_app.get(), &OrlendraApp::runEnded);
    if (how == QLatin1String("close"))
        frame->close();
    else if (how == QLatin1String("cmdExit"))
        QTest::mouseClick(frame->findChild<QPushButton *>(how), Qt::LeftButton);
    else
        frame->findChild<QAction *>(how)->trigger();
    QCOMPARE(ended.count(), 1);
    QVERIFY(m_app->hasEnded());
    QVERIFY(!m_app->studyWindow());
}

void LeavingTest::frameButtons_keepToTheRightEdge()
{
    QVERIFY(m_app->start());
    FrameWindow *frame = m_app->showFrameWindow();
    const QStringList names{"cmdStart", "cmdDonate", "cmdExit"};
    const QList<int> tops{6, 34, 10};
    for (int width : {700, 900}) {
        frame->resize(width, 600);
        QTest::qWait(1);
        for (int i = 0; i < names.size(); ++i) {
            auto *button = frame->findChild<QPushButton *>(names[i]);
            QCOMPARE(button->x(), frame->width() - button->width() - 20);
            QCOMPARE(button->y(), tops[i]);
            QCOMPARE(button->size(), QSize(86, 25));
        }
    }
}

void LeavingTest::frameFitsASmallScreen()
{
    QVERIFY(m_app->start());
    FrameWindow *frame = m_app->showFrameWindow();
    const QRect screen = frame->screen()->availableGeometry();
    QVERIFY(frame->frameGeometry().width() <= screen.width());
    QVERIFY(frame->frameGeometry().height() <= screen.height());
    auto *area = frame->findChild<QAbstractScrollArea *>(QStringLiteral("meaningTestArea"));
    QVERIFY(area);
    if (area->viewport()->height() < MeaningsQuizPage::FixedSize.height())
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
    // The test opens at its top left corner.
    QCOMPARE(area->verticalScrollBar()->value(), 0);
    QCOMPARE(area->horizontalScrollBar()->value(), 0);
}

// A start with a sync folder in the settings takes in another computer's test; picking another
// folder in "Sync Folder..." writes the whole history there and keeps the choice.
void LeavingTest::syncFolder_takesInAndWritesOut()
{
    const QDir folder(m_folder->path());
    folder.mkpath(QStringLiteral("shared"));
    folder.mkpath(QStringLiteral("other"));
    m_platform->dataPath = folder.filePath(QStringLiteral("data"));
    {
        HistoryStore laptop(folder.filePath(QStringLiteral("laptop")));
        laptop.sync().setFolder(folder.filePath(QStringLiteral("shared")), QStringLiteral("laptop"),
                                QByteArray(32, 'a'));
        QuizSession session(m_platform->random());
        session.startTest(QuizSubject::Keywords, QuizLevel::Beginner);
        while (session.pressNext({0}).kind != QuizSession::NextStep::Kind::Finished) {
        }
        QVERIFY(laptop.record(*session.lastFinished(), m_platform->clock.addDays(-1)));
        QVERIFY(laptop.sync().catchUp());
    }
    m_platform->store.write(QStringLiteral("Sync"), QStringLiteral("Folder"),
                            folder.filePath(QStringLiteral("shared")));
    QVERIFY(m_app->start());
    QTRY_COMPARE(m_app->history().pastTests().size(), 1);
    m_platform->pickedFolders = {folder.filePath(QStringLiteral("other"))};
    m_app->studyWindow()->findChild<QAction *>(QStringLiteral("mnuSyncFolder"))->trigger();
    auto *dialog = m_app->studyWindow()->findChild<QDialog *>(QStringLiteral("frmSyncFolder"));
    QVERIFY(dialog);
    dialog->findChild<QPushButton *>(QStringLiteral("cmdSyncBrowse"))->click();
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(m_platform->store.read(QStringLiteral("Sync"), QStringLiteral("Folder")),
             folder.filePath(QStringLiteral("other")));
    const QStringList written = QDir(folder.filePath(QStringLiteral("other")))
                                    .entryList({QStringLiteral("orlendra-*.journal")});
    QCOMPARE(written.size(), 1);
    QFile journal(QDir(folder.filePath(QStringLiteral("other"))).filePath(written.first()));
    QVERIFY(journal.open(QIODevice::ReadOnly));
    QCOMPARE(journal.readAll().count('\n'), 1);
    QCOMPARE(m_platform->messages.size(), 0);
}

QTEST_MAIN(LeavingTest)
#include "tst_leaving.moc"
