#include "quizscreens/practicewindow.h"
#include "quizscreens/quizpage.h"
#include "quizscreens/reviewwindow.h"
#include "studyfixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// Whether a screen reader's review of the window finds the count of what is due, as a text and as
// the description of the button that practises it: each node of the accessibility tree is heard
// as its name and its description.
static bool reviewFindsDue(QWidget *window, const QString &count)
{
    QStringList heard;
    QList<QAccessibleInterface *> open{QAccessible::queryAccessibleInterface(window)};
    while (!open.isEmpty()) {
        QAccessibleInterface *node = open.takeLast();
        heard << node->text(QAccessible::Name) + u'/' + node->text(QAccessible::Description);
        for (int i = 0; i < node->childCount(); ++i)
            open << node->child(i);
    }
    return heard.contains(count + u'/') && heard.contains("Practise Due Stones/" + count);
}

// What is due, as the study window tells it and a practice round asks it.
class PracticeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void roundWindow();
    void twoDays();
};

// Each question on its subject's page, answered there by the keys of a test; the score and the
// review at the end.
void PracticeTest::roundWindow()
{
    ScriptedPlatform platform;
    PracticeWindow window(platform);
    QList<PracticeAnswer> round{{QuizSubject::Keywords, {}}, {QuizSubject::Meanings, {}}};
    round[0].question.stone = 3;
    round[1].question.stone = 14;
    window.start(round, QuizLevel::Beginner, {});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QuizSession &session = window.session();
    QCOMPARE(window.currentPage()->objectName(), QStringLiteral("picTestKeywords"));
    answerByKeys(session, true);
    QuizPage *meanings = window.currentPage();
    QCOMPARE(meanings->objectName(), QStringLiteral("frmMeaningTest"));
    QCOMPARE(QApplication::focusWidget(), meanings->optionBox(0));
    QCOMPARE(heardAtFocus().description, QStringLiteral("Question 2, Algiz. You must choose only 1 "
                                                        "option. Key 1"));
    answerByKeys(session, false);

    QVERIFY(!window.runs());
    QCOMPARE(window.resultLabel()->text(), QStringLiteral("1 Correct Out Of 2"));
    QCOMPARE(QApplication::focusWidget(), window.reviewButton());
    QTest::keyClick(window.reviewButton(), Qt::Key_Space);
    auto *review = window.findChild<ReviewWindow *>();
    QVERIFY(review && review->isVisible());
    QCOMPARE(review->findChild<QLabel *>(QStringLiteral("lblReviewTitle"))->text(),
             QStringLiteral("Practice Round, Beginner: 1 Correct Out Of 2"));
    const QAbstractItemModel *rows =
        review->findChild<QAbstractItemView *>(QStringLiteral("scrReview"))->model();
    QCOMPARE(rows->rowCount(), 2);
    QCOMPARE(rows->index(1, 0).data(Qt::AccessibleTextRole).toString().left(11),
             QStringLiteral("Algiz, 0 of"));
}

// A fresh history on the clock's first morning, a keywords test, the next day's turn at 04:00 and
// a round of what it brought.
void PracticeTest::twoDays()
{
    ProgramRun run;
    run.platform.clock = QDateTime({2026, 11, 2}, {10, 0});
    QVERIFY(run.app.start());
    StudyWindow *study = run.app.studyWindow();
    auto *due = study->findChild<QLabel *>(QStringLiteral("lblDueToday"));
    auto *practise = study->findChild<QPushButton *>(QStringLiteral("cmdPractiseDue"));
    auto *dayTurn = run.app.findChild<QTimer *>(QStringLiteral("dayTurn"));
    QTRY_COMPARE(due->text(), QStringLiteral("Due today: 48 (keywords: 24, meanings: 24)"));
    QCOMPARE(due->accessibleName(), due->text());
    QVERIFY(reviewFindsDue(study, QStringLiteral("Due today: 48 (keywords: 24, meanings: 24)")));
    QVERIFY(due->width() >= due->sizeHint().width());
    QCOMPARE(dayTurn->interval(), 18 * 3600 * 1000);

    startTest(*study, QuizSubject::Keywords, QuizLevel::Beginner);
    QSet<StoneIndex> missed;
    for (int question = 1; question <= QuestionCount; ++question) {
        if (question <= 3)
            missed.insert(run.app.quizSession().question().stone);
        answerByKeys(run.app.quizSession(), question > 3);
    }
    QCOMPARE(due->text(), QStringLiteral("Due today: 27 (keywords: 3, meanings: 24)"));

    // The timer that turns the day fires, at 03:59 too soon; then a look at the window at 04:00.
    run.platform.clock = QDateTime({2026, 11, 3}, {3, 59});
    dayTurn->start(0);
    QTRY_COMPARE(dayTurn->interval(), 60 * 1000);
    QCOMPARE(due->text(), QStringLiteral("Due today: 27 (keywords: 3, meanings: 24)"));
    run.platform.clock = QDateTime({2026, 11, 3}, {4, 0});
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(study, &activated);
    QCOMPARE(due->text(), QStringLiteral("Due today: 48 (keywords: 24, meanings: 24)"));

    // Alt+P: a round, which a close half way through leaves as if it had never started.
    QVERIFY(QTest::qWaitForWindowActive(study));
    QTest::keyClick(study, Qt::Key_P, Qt::AltModifier);
    PracticeWindow *practice = nullptr;
    QTRY_VERIFY((practice = run.app.practiceWindow()) && practice->isActiveWindow());
    answerByKeys(practice->session(), true);
    practice->close();
    QCoreApplication::sendEvent(study, &activated);
    QCOMPARE(due->text(), QStringLiteral("Due today: 48 (keywords: 24, meanings: 24)"));

    QTest::mouseClick(practise, Qt::LeftButton);
    QTRY_VERIFY((practice = run.app.practiceWindow()) && practice->isActiveWindow());
    const QuizSession &round = practice->session();
    QList<StoneIndex> asked;
    while (practice->runs()) {
        asked.append(round.question().stone);
        answerByKeys(round, true);
    }
    QCOMPARE(QSet<StoneIndex>(asked.begin(), asked.end()).size(), 12);
    // The longest overdue first: the keywords missed the day before.
    QCOMPARE(QSet<StoneIndex>(asked.begin(), asked.begin() + 3), missed);
    QCOMPARE(practice->resultLabel()->text(), QStringLiteral("12 Correct Out Of 12"));
    QCOMPARE(due->text(), QStringLiteral("Due today: 36 (keywords: 12, meanings: 24)"));
    QVERIFY(reviewFindsDue(study, QStringLiteral("Due today: 36 (keywords: 12, meanings: 24)")));
    QVERIFY(run.platform.messages.isEmpty());

    // Nothing due: the button is off and says when something is.
    study->showDueToday(0, 0, QDate(2026, 12, 9));
    QCOMPARE(due->text(), QStringLiteral("Due today: 0. Next due on Wednesday, 9 December 2026"));
    QVERIFY(!practise->isEnabled());
    QCOMPARE(practise->toolTip(), QStringLiteral("Next due on Wednesday, 9 December 2026"));
    QCOMPARE(practise->accessibleDescription(), practise->toolTip());
}

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
