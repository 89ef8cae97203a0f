#include "app/framewindow.h"
#include "catalogue/runecatalogue.h"
#include "quiz/answerreview.h"
#include "quiz/quizsession.h"
#include "quizscreens/keywordsquizpage.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/quizresultsection.h"
#include "quizscreens/reviewwindow.h"
#include "studyfixture.h"
#include "widgets/screenfit.h"
#include "widgets/wrappingcheckbox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <numeric>

Q_DECLARE_METATYPE(QuizSubject)
Q_DECLARE_METATYPE(QuizLevel)

namespace {

// A test of either subject in a run of the program, answered with the keyboard as a user would:
// the keywords test in the study window, the meanings test in the frame window, which hands back
// to a freshly loaded study window.
class TestRun
{
public:
    explicit TestRun(QuizSubject subject)
        : m_subject(subject)
    {
        if (!m_run.app.start())
            qWarning("The program did not start");
    }

    QuizSession &session() { return m_run.app.quizSession(); }
    StudyWindow *study() const { return m_run.app.studyWindow(); }
    QuizResultSection *result() const { return study()->testResult(); }
    QAbstractButton *box(int index) const
    {
        if (m_subject == QuizSubject::Meanings)
            return m_run.app.frameWindow()->meaningTest()->optionBox(index);
        return study()->keywordsTest()->optionBox(index);
    }
    QPushButton *next() const
    {
        if (m_subject == QuizSubject::Meanings)
            return m_run.app.frameWindow()->meaningTest()->nextButton();
        return study()->keywordsTest()->nextButton();
    }
    int questionNo() { return session().questionNo(); }
    QList<ScriptedPlatform::Message> &messages() { return m_run.platform.messages; }

    // Through the study window's set-up, with the stone types `types` ("URM" for all three).
    void start(QuizLevel level, const QString &types)
    {
        startTest(*study(), m_subject, level, types);
        QWidget *window = next()->window();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("The test's window did not become active");
    }

    // From a test left half way back to the result section.
    void leave()
    {
        if (m_subject == QuizSubject::Meanings)
            QTest::mouseClick(m_run.app.frameWindow()->findChild<QAbstractButton *>("cmdStart"),
                              Qt::LeftButton);
        study()->bringToFront(StudyWindow::Section::TestResult);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // A compositor hands the keyboard over in its own time.
        QTRY_VERIFY(QApplication::focusWidget());
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }

private:
    QuizSubject m_subject;
    ProgramRun m_run;
};

} // namespace

// Answering with the digit keys, and the review of a finished test read back with the keyboard
// and a screen reader.
class ReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void digitKeys_data();
    void digitKeys();
    void review_data();
    void review();
};

void ReviewTest::digitKeys_data()
{
    QTest::addColumn<QuizSubject>("subject");
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QList<int>>("ticked"); // boxes ticked after the digits
    QTest::addColumn<bool>("onNext");       // the focus, after the digits
    // What Enter does then, wherever the focus is: "scored", or a message and what a screen
    // reader hears with it, on two lines.
    QTest::addColumn<QString>("enter");

    const auto keywords = QuizSubject::Keywords;
    const auto meanings = QuizSubject::Meanings;
    const QuizLevel beginner = QuizLevel::Beginner;
    const QuizLevel advanced = QuizLevel::Advanced;
    QTest::newRow("keywords, beginner")
        << keywords << beginner << QList<int>{3} << false << QList<int>{2} << true << "scored";
    QTest::newRow("keywords, beginner, beyond the five boxes")
        << keywords << beginner << QList<int>{6, 8} << false << QList<int>{} << false
        << "You must select 1 option\nNone ticked, 1 needed.";
    QTest::newRow("keywords, beginner, ticked and unticked")
        << keywords << beginner << QList<int>{2, 2} << false << QList<int>{} << false
        << "You must select 1 option\nNone ticked, 1 needed.";
    QTest::newRow("keywords, advanced, keypad")
        << keywords << advanced << QList<int>{1, 4, 5, 8} << true << QList<int>{0, 3, 4, 7} << true
        << "scored";
    QTest::newRow("meanings, beginner")
        << meanings << beginner << QList<int>{5} << false << QList<int>{4} << true << "scored";
    QTest::newRow("meanings, advanced") << meanings << advanced << QList<int>{8, 7, 6, 5} << false
                                        << QList<int>{4, 5, 6, 7} << true << "scored";
    QTest::newRow("meanings, advanced, an untick on the way")
        << meanings << advanced << QList<int>{1, 2, 2, 3, 4, 5} << false << QList<int>{0, 2, 3, 4}
        << true << "scored";
    // Anywhere in the frame: a click on the scroll bar, which small screens need, leaves the
    // focus on the scroll area.
    QTest::newRow("meanings, from the scroll area")
        << meanings << beginner << QList<int>{2} << false << QList<int>{1} << true << "scored";
}

void ReviewTest::digitKeys()
{
    QFETCH(QuizSubject, subject);
    QFETCH(QuizLevel, level);
    QFETCH(QList<int>, digits);
    QFETCH(bool, keypad);
    QFETCH(QList<int>, ticked);
    QFETCH(bool, onNext);
    QFETCH(QString, enter);
    TestRun run(subject);
    run.start(level, QStringLiteral("URM"));
    for (int i = 0; i < 8; ++i) {
        const QString key = QString::number(i + 1);
        auto *label =
            run.box(i)->parentWidget()->findChild<QLabel *>(QStringLiteral("lblKey_%1").arg(i));
        QCOMPARE(label->text(), key);
        QCOMPARE(label->isVisible(), run.box(i)->isVisible());
        QVERIFY(run.box(i)->accessibleDescription().endsWith(QStringLiteral("Key ") + key));
    }
    const QStringList captions = [&] {
        QStringList texts;
        for (int i = 0; i < 8; ++i)
            texts << run.box(i)->text();
        return texts;
    }();

    if (QTest::currentDataTag() == QLatin1String("meanings, from the scroll area"))
        run.box(0)->window()->findChild<QWidget *>(QStringLiteral("meaningTestArea"))->setFocus();
    for (int digit : digits)
        run.press(Qt::Key_0 + digit, keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QList<int> found;
    for (int i = 0; i < 8; ++i) {
        if (run.box(i)->isChecked())
            found << i;
        QCOMPARE(run.box(i)->text(), captions[i]);
    }
    QCOMPARE(found, ticked);
    QCOMPARE(QApplication::focusWidget() == run.next(), onNext);
    // A digit may tick a box the user has not heard; "Next" says which.
    QCOMPARE(run.next()->accessibleDescription(),
             onNext ? QStringLiteral("Key %1 ticked: %2.")
                          .arg(digits.last())
                          .arg(run.box(digits.last() - 1)->accessibleName())
                    : QString());

    run.press(Qt::Key_Return);
    if (enter == QLatin1String("scored")) {
        QVERIFY(run.messages().isEmpty());
        QCOMPARE(run.questionNo(), 2);
        QCOMPARE(run.session().sheet().answers[0].ticked.count(true), ticked.size());
    } else {
        QCOMPARE(run.messages().size(), 1);
        QCOMPARE(run.messages()[0].text + QLatin1Char('\n') + run.messages()[0].spokenDetail,
                 enter);
        QCOMPARE(run.questionNo(), 1);
    }
}

void ReviewTest::review_data()
{
    QTest::addColumn<QuizSubject>("subject");
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("screen"); // 0: 800 x 600; 1: 1920 x 1080 at scale 2
    QTest::addColumn<QString>("types");
    QTest::newRow("keywords, beginner")
        << QuizSubject::Keywords << QuizLevel::Beginner
        << "Stone Keywords, Beginner: 22 Correct Out Of 24" << 0 << "URM";
    QTest::newRow("keywords, advanced")
        << QuizSubject::Keywords << QuizLevel::Advanced
        << "Stone Keywords, Advanced: 91 Correct Out Of 96" << 1 << "URM";
    QTest::newRow("meanings, beginner")
        << QuizSubject::Meanings << QuizLevel::Beginner
        << "Stone Meanings, Beginner: 22 Correct Out Of 24" << 1 << "URM";
    // One right text, asked four times: ticked it counts four, missed it is one option.
    QTest::newRow("meanings, advanced, upright only")
        << QuizSubject::Meanings << QuizLevel::Advanced
        << "Stone Meanings, Advanced: 88 Correct Out Of 96" << 0 << "U";
}

void ReviewTest::review()
{
    QFETCH(QuizSubject, subject);
    QFETCH(QuizLevel, level);
    QFETCH(QString, title);
    QFETCH(int, screen);
    QFETCH(QString, types);
    TestRun run(subject);
    // Under Weston there is one screen only.
    QScreen *onScreen = QGuiApplication::screens().value(screen, QGuiApplication::primaryScreen());
    QVERIFY(onScreen);
    run.study()->setScreen(onScreen);
    run.study()->move(onScreen->availableGeometry().topLeft());
    QPointer<StudyWindow> firstStudy = run.study();
    QVERIFY(!run.result()->reviewButton()->isEnabled());
    const int required = level == QuizLevel::Advanced ? 4 : 1;

    // The whole test with the keys alone. Question 3 is answered all wrong, question 24 with one
    // wrong tick in place of a right one; every other answer is right.
    struct Expected {
        StoneIndex stone;
        QStringList options;
        QList<int> right; // how often each option counts
        QList<bool> ticked;
    };
    QList<Expected> expected;
    run.start(level, types);
    for (int question = 1; question <= QuestionCount; ++question) {
        QCOMPARE(run.questionNo(), question);
        const AnsweredQuestion &shown = run.session().question();
        Expected answer{shown.stone, {}, {}, {}};
        QList<int> right;
        QList<int> wrong;
        for (int i = 0; i < (level == QuizLevel::Advanced ? 8 : 5); ++i) {
            answer.options << run.box(i)->text();
            answer.right << int(shown.correctAnswers.count(answer.options.last()));
            (answer.right.last() ? right : wrong) << i;
        }
        QCOMPARE(std::accumulate(answer.right.cbegin(), answer.right.cend(), 0), required);
        QList<int> ticks = question == 3 ? wrong.first(required) : (right + wrong).first(required);
        if (question == QuestionCount)
            ticks[ticks.indexOf(right.last())] = wrong.last();
        for (int i = 0; i < answer.options.size(); ++i)
            answer.ticked << ticks.contains(i);
        for (int i : ticks)
            run.press(Qt::Key_1 + i);
        QCOMPARE(QApplication::focusWidget(), run.next());
        run.press(Qt::Key_Return);
        expected << answer;
    }
    QVERIFY(run.messages().isEmpty());
    // The meanings test handed back to a study window built anew, which offers the review all the
    // same.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(firstStudy.isNull(), subject == QuizSubject::Meanings);
    QVERIFY(run.result()->reviewButton()->isEnabled());

    // A test left half way changes nothing of the review; a meanings test is left with "Start
    // Again", for yet another study window.
    run.start(level, types);
    for (int i = 0; i < required; ++i)
        run.press(Qt::Key_1 + i);
    run.press(Qt::Key_Return);
    QCOMPARE(run.questionNo(), 2);
    run.leave();
    QPushButton *reviewButton = run.result()->reviewButton();
    reviewButton->setFocus();
    QTest::keyClick(reviewButton, Qt::Key_Space);
    auto *review = run.result()->findChild<ReviewWindow *>(QStringLiteral("frmReview"));
    QVERIFY(review);
    QVERIFY(QTest::qWaitForWindowExposed(review));
    review->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(review));

    QCOMPARE(review->findChild<QLabel *>(QStringLiteral("lblReviewTitle"))->text(), title);
    // Whole, Close included, on the screen the study window is on, after a meanings test too.
    QCOMPARE(review->screen(), onScreen);
    // Where the compositor places windows, their size alone is the program's.
    const QRect room = onScreen->availableGeometry();
    const QRect frame = review->frameGeometry();
    QVERIFY(windowSystemPlacesWindows() ? room.size().expandedTo(frame.size()) == room.size()
                                        : room.contains(frame));

    // Each row and each mark as a screen reader names it: a row of the list is read as one, by
    // its name and its description, which lists every option marked.
    auto *answers = review->findChild<QAbstractItemView *>(QStringLiteral("scrReview"));
    QVERIFY(answers);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(answers);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Answers"));
    QCOMPARE(list->childCount(), QuestionCount);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QList<int> mistakes;
    for (int question = 1; question <= QuestionCount; ++question) {
        const Expected &answer = expected[question - 1];
        QAccessibleInterface *row = list->child(question - 1);
        int score = 0;
        int missed = 0;
        int wrong = 0;
        QStringList description{QStringLiteral("Question %1").arg(question)};
        for (int i = 0; i < answer.options.size(); ++i) {
            const QString mark = answer.right[i]
                                     ? (answer.ticked[i] ? "Right and ticked" : "Right and missed")
                                     : (answer.ticked[i] ? "Wrong and ticked" : "");
            if (!mark.isEmpty())
                description << mark + QStringLiteral(": ") +
                                   QString(answer.options[i]).replace("\r\n", "\n");
            score += answer.ticked[i] ? answer.right[i] : 0;
            missed += answer.right[i] && !answer.ticked[i];
            wrong += !answer.right[i] && answer.ticked[i];
        }
        QStringList summary;
        if (missed)
            summary << QStringLiteral("%1 right and missed").arg(missed);
        if (wrong)
            summary << QStringLiteral("%1 wrong and ticked").arg(wrong);
        QCOMPARE(row->text(QAccessible::Name),
                 QStringLiteral("%1, %2 of %3: %4")
                     .arg(catalogue.stoneNames[answer.stone])
                     .arg(score)
                     .arg(required)
                     .arg(summary.isEmpty() ? QStringLiteral("all right")
                                            : summary.join(QLatin1String(", "))));
        QCOMPARE(row->text(QAccessible::Description), description.join(QLatin1Char('\n')));
        // Read as one; nothing in it is read again.
        QCOMPARE(row->childCount(), 0);
        if (score < required)
            mistakes << question;
    }
    QCOMPARE(mistakes, (QList<int>{3, QuestionCount}));

    // Read back with Tab, all rows and then the mistakes only, each row in view as it is reached;
    // Escape closes.
    QCheckBox *mistakesOnly = review->mistakesOnlyBox();
    for (const bool only : {false, true}) {
        QTRY_COMPARE(QApplication::focusWidget(), mistakesOnly);
        if (only)
            QTest::keyClick(mistakesOnly, Qt::Key_Space);
        QCOMPARE(mistakesOnly->isChecked(), only);
        QList<int> reached;
        for (int step = 0; step < 2 * QuestionCount; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            if (focus == mistakesOnly)
                break;
            if (focus != answers)
                continue;
            reached << answers->currentIndex().data(AnswerReview::Model::QuestionRole).toInt();
            QVERIFY(answers->viewport()->rect().intersects(
                answers->visualRect(answers->currentIndex())));
        }
        QList<int> all(QuestionCount);
        std::iota(all.begin(), all.end(), 1);
        QCOMPARE(reached, only ? mistakes : all);
    }
    // "Mistakes only" shows its note in place of the rows exactly when no row is a mistake.
    QVERIFY(review->findChild<QLabel *>(QStringLiteral("lblNoMistakes"))->isHidden());
    AnswerSheet allRight = *run.session().lastFinished();
    for (AnsweredQuestion &answer : allRight.answers)
        answer.score = qint16(required);
    ReviewWindow perfect(allRight);
    perfect.mistakesOnlyBox()->click();
    QVERIFY(!perfect.findChild<QLabel *>(QStringLiteral("lblNoMistakes"))->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!review->isVisible());
}

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
