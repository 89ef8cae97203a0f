#include "catalogue/runecatalogue.h"
#include "history/historystore.h"
#include "ordinaryuser.h"
#include "progress/progresswindow.h"
#include "quiz/quizsession.h"
#include "quizscreens/practicewindow.h"
#include "quizscreens/quizpage.h"
#include "quizscreens/reviewwindow.h"
#include "studyfixture.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

// The Progress window in a run of the program, over the history that earlier runs left.
class ProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void progressWindow();
    void smallScreen();
};

// Two tests taken, the program started again: the Progress window shows both and walks the stones
// they missed.
void ProgressTest::progressWindow()
{
    QTemporaryDir data;
    const StoneIndex missedInKeywords = 4;
    const StoneIndex missedInMeanings = 9;
    {
        ProgramRun run(data.path());
        QVERIFY(run.app.start());
        takeByKeyboard(run, QuizSubject::Keywords, missedInKeywords);
        takeByKeyboard(run, QuizSubject::Meanings, missedInMeanings);
        QTRY_VERIFY(run.app.studyWindow() && run.app.studyWindow()->isActiveWindow());
        QCOMPARE(run.app.quizSession().lastFinished()->subject, QuizSubject::Meanings);
        QVERIFY(run.platform.messages.isEmpty());
    }
    ProgramRun run(data.path());
    QVERIFY(run.app.start());
    StudyWindow *study = run.app.studyWindow();
    QVERIFY(QTest::qWaitForWindowActive(study));
    const QStringList settingsWritten = run.platform.store.writtenKeys;
    QTest::keyClick(study, Qt::Key_P, Qt::ControlModifier);
    ProgressWindow *progress = run.app.progressWindow();
    QVERIFY(progress && QTest::qWaitForWindowActive(progress));
    QCOMPARE(progress->windowTitle(), QStringLiteral("Progress"));
    QVERIFY(progress->screen()->availableGeometry().contains(progress->frameGeometry()));

    // Drawn by the chart module, which is found beside the program.
    QVERIFY(progress->chart()->inherits("QChartView"));
    const QString description = progress->chart()->accessibleDescription();
    QVERIFY2(description.contains(QStringLiteral("Keywords Beginner: 1 test, last 96%, best 96%.")),
             qPrintable(description));
    QVERIFY(description.contains(QStringLiteral("Meanings Beginner: 1 test, last 96%")));
    QAbstractItemModel *tests = progress->pastTestsList()->model();
    QCOMPARE(tests->rowCount(), 2);
    QCOMPARE(tests->index(0, 1).data().toString(), QStringLiteral("Meanings Beginner"));
    QCOMPARE(tests->index(1, 2).data().toString(), QStringLiteral("23 Correct Out Of 24"));
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QAbstractItemModel *stones = progress->stonesTable()->model();
    QCOMPARE(stones->index(0, 0).data().toString(), catalogue.stoneNames[missedInKeywords]);
    QCOMPARE(stones->index(1, 0).data().toString(), catalogue.stoneNames[missedInMeanings]);
    QCOMPARE(stones->index(0, 1).data().toString(), QStringLiteral("0%"));
    QCOMPARE(stones->index(0, 3).data().toString(), QStringLiteral("2"));
    // Both on the clock's one day: the keywords of the one stone and the meanings of the other
    // are due again today.
    auto *dueCounts = progress->findChild<QLabel *>(QStringLiteral("lblDueCounts"));
    auto *streak = progress->findChild<QLabel *>(QStringLiteral("lblStreak"));
    QCOMPARE(dueCounts->text(), QStringLiteral("Due today: 2. In the next 7 days: 46 more."));
    QCOMPARE(streak->text(), QStringLiteral("Streak: 1 day"));

    // Every control is a stop for Tab, and named.
    QWidget *first = QApplication::focusWidget();
    QSet<QWidget *> visited;
    for (QWidget *at = first; at && !visited.contains(at); at = QApplication::focusWidget()) {
        visited.insert(at);
        QVERIFY2(!at->accessibleName().isEmpty(), qPrintable(at->objectName()));
        QTest::keyClick(at, Qt::Key_Tab);
    }
    QCOMPARE(visited.size(), 8);

    // Return on a past test opens its review, read from the history.
    progress->pastTestsList()->setFocus();
    progress->pastTestsList()->setCurrentIndex(tests->index(1, 0));
    QTest::keyClick(progress->pastTestsList(), Qt::Key_Return);
    ReviewWindow *review = nullptr;
    QTRY_VERIFY((review = progress->findChild<ReviewWindow *>()) && review->isVisible());
    QCOMPARE(review->findChild<QLabel *>(QStringLiteral("lblReviewTitle"))->text(),
             QStringLiteral("Stone Keywords, Beginner: 23 Correct Out Of 24"));
    review->close();

    // The export: every answer of both tests under its header.
    const QString csv = data.filePath(QStringLiteral("history"));
    run.platform.saveNames << csv;
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("cmdExport")),
                      Qt::LeftButton);
    QFile exported(csv + QStringLiteral(".csv"));
    QTRY_VERIFY(exported.exists());
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 48 + 1);
    QCOMPARE(lines[0], QByteArray("finished,subject,level,question,stone,score,most,round\r"));
    // A device is written as named; trouble is told in our words, the system's only as a detail.
    const QString device = data.filePath(QStringLiteral("full"));
    QVERIFY(linkToAFullDisk(device));
    run.platform.saveNames << device;
    run.platform.messages.clear();
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("cmdExport")),
                      Qt::LeftButton);
    QTRY_COMPARE(
        run.platform.messages.value(0).text,
        QStringLiteral("The history could not be exported to %1.\nThere is not enough room "
                       "for it there. Make room on the disk, or save it somewhere else.\n\n"
                       "Any file of that name still holds what it held before.\n\n"
                       "Details: No space left on device")
            .arg(QDir::toNativeSeparators(device)));

    // The weakest stones, walked without touching the study ticks.
    QVERIFY(progress->studyButton()->isEnabled());
    QTest::mouseClick(progress->studyButton(), Qt::LeftButton);
    QCOMPARE(run.app.walk().studyOrder.mid(0, 2),
             (QList<StoneIndex>{missedInKeywords, missedInMeanings}));
    QCOMPARE(run.app.walk().studyOrder.size(), 6);
    QCOMPARE(study->frontSection(), StudyWindow::Section::MemorizeStones);
    QCOMPARE(study->findChild<QLabel *>(QStringLiteral("lblStoneName"))->text(),
             catalogue.stoneNames[missedInKeywords]);
    QCOMPARE(run.platform.store.writtenKeys, settingsWritten);

    // Forgetting asks, No by default.
    QPushButton *forget = progress->findChild<QPushButton *>(QStringLiteral("cmdForget"));
    QTest::mouseClick(forget, Qt::LeftButton);
    QCOMPARE(run.platform.messages.last().buttons, Platform::Buttons::YesNoDestructive);
    QCOMPARE(run.platform.messages.last().defaultAnswer, Platform::Answer::No);
    QCOMPARE(tests->rowCount(), 2);
    run.platform.answers << Platform::Answer::Yes;
    QTest::mouseClick(forget, Qt::LeftButton);
    QCOMPARE(tests->rowCount(), 0);
    QCOMPARE(dueCounts->text(), QStringLiteral("Due today: 48. In the next 7 days: 0 more."));
    QCOMPARE(streak->text(), QStringLiteral("Streak: 0 days"));
    QVERIFY(!progress->studyButton()->isEnabled());
    QVERIFY(!progress->studyButton()->toolTip().isEmpty());

    // A test finished while the window stays open shows in it at once.
    takeByKeyboard(run, QuizSubject::Keywords, missedInKeywords);
    QTRY_COMPARE(tests->rowCount(), 1);
    QCOMPARE(tests->index(0, 2).data().toString(), QStringLiteral("23 Correct Out Of 24"));
    QVERIFY(progress->studyButton()->isEnabled());
}

// On an 800 x 600 screen, in a font half as large again, neither Progress nor a practice round
// scrolls sideways and every text of a round shows whole, a long option in a taller box; a cell
// too narrow for its text tells all of it in its tool tip.
void ProgressTest::smallScreen()
{
    StudyFixture fixture;
    fixture.session.startTest(QuizSubject::Meanings, QuizLevel::Advanced);
    while (fixture.session.pressNext({0, 1, 2, 3}).kind != QuizSession::NextStep::Kind::Finished) {
    }
    HistoryStore history(fixture.folder.path());
    QVERIFY(history.record(*fixture.session.lastFinished(), QDateTime::currentDateTime()));
    ProgressWindow progress(fixture.platform, history);
    progress.reload();
    PracticeWindow practice(fixture.platform);
    practice.start({{QuizSubject::Keywords, {}}, {QuizSubject::Meanings, {}}}, QuizLevel::Advanced,
                   StoneType::Upright | StoneType::Reversed);
    const QList<QWidget *> windows{&progress, &practice};
    for (QWidget *scaled :
         windows + QList<QWidget *>{practice.findChild<QuizPage *>("frmMeaningTest")})
        scaled->setFont(scaledFont(scaled->font(), 1.5, false));
    for (QWidget *window : windows) {
        window->resize(784, 552);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    for (QuizPage *page = practice.currentPage(); page; page = practice.currentPage()) {
        QCoreApplication::sendPostedEvents();
        for (QWidget *window : windows) {
            QCOMPARE(window->size(), QSize(784, 552));
            for (const auto *scroller : window->findChildren<QAbstractScrollArea *>())
                QVERIFY2(!scroller->horizontalScrollBar()->isVisible(),
                         qPrintable(scroller->objectName()));
        }
        for (const QWidget *control : page->findChildren<QWidget *>()) {
            if (control->isVisible())
                QVERIFY2(textFits(control), qPrintable(control->objectName()));
        }
        for (int i = 0; i < 4; ++i)
            page->optionBox(i)->click();
        page->nextButton()->click();
    }
    const QModelIndex cell = progress.pastTestsList()->model()->index(0, 1);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), cell.data().toString());
}

QTEST_MAIN(ProgressTest)
#include "tst_progress.moc"
