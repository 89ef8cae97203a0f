#include "catalogue/runecatalogue.h"
#include "platform/wrappingcheckbox.h"
#include "studyfixture.h"
#include "tests/keywordstestpage.h"
#include "tests/meaningquestion.h"
#include "tests/meaningtestwindow.h"
#include "tests/reviewwindow.h"
#include "tests/testpagedriver.h"
#include "tests/testresultsection.h"
#include "tests/testrules.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <numeric>

Q_DECLARE_METATYPE(TestSubject)

namespace {

// A test of either subject, answered with the keyboard as a user would: the keywords test in the
// study window; the meanings test window on its driver, which hands back to a study window built
// afresh over the same records, as at the end of a meanings test.
class TestRun
{
public:
    explicit TestRun(TestSubject subject)
        : m_subject(subject)
    {
        m_study.open();
        m_study.window->activateWindow();
        if (subject == TestSubject::Keywords)
            return;
        m_study.records.setup.stoneTypes = {true, true, true};
        m_meanings = std::make_unique<MeaningTestWindow>();
        const auto build = [](const TestSetup &setup, StoneIndex stone, RandomEngine &engine) {
            return buildMeaningQuestion(loadRuneCatalogue(), stone, setup, engine);
        };
        m_driver =
            new TestPageDriver(TestSubject::Meanings, build, m_study.records, m_study.platform,
                               testPageView(m_meanings.get()), m_meanings.get());
        QObject::connect(m_driver, &TestPageDriver::finished, m_meanings.get(),
                         [this](const QString &text) {
                             m_meanings->hide();
                             m_study.open().showTestResult(text);
                         });
    }

    TestRecords &records() { return m_study.records; }
    TestResultSection *result() const { return m_study.window->testResult(); }
    QAbstractButton *box(int index) const
    {
        return m_meanings ? static_cast<QAbstractButton *>(m_meanings->optionBox(index))
                          : m_study.window->keywordsTest()->optionBox(index);
    }
    QPushButton *next() const
    {
        return m_meanings ? m_meanings->nextButton() : m_study.window->keywordsTest()->nextButton();
    }
    qint16 questionNo() { return records().state.questionNo(m_subject); }
    QList<ScriptedPlatform::Message> &messages() { return m_study.platform.messages; }

    // Through the set-up for keywords, as the set-up starts a meanings test otherwise.
    void start(qint16 level)
    {
        if (!m_meanings) {
            for (const QString &name :
                 {QStringLiteral("cmdSubjects_2"), QStringLiteral("optTestSubjects_1"),
                  QStringLiteral("cmdTestNext_0"), QStringLiteral("optTestLevel_%1").arg(level),
                  QStringLiteral("cmdTestNext_2")})
                QTest::mouseClick(m_study.window->findChild<QAbstractButton *>(name),
                                  Qt::LeftButton);
            return;
        }
        TestRules::startTest(m_study.records, TestSubject::Meanings, level,
                             m_study.platform.random());
        m_driver->next();
        m_meanings->show();
        m_meanings->activateWindow();
        if (!QTest::qWaitForWindowActive(m_meanings.get()))
            qWarning("The meanings test window did not become active");
        box(0)->setFocus();
    }

    void showResult() { m_study.window->bringToFront(StudyWindow::Section::TestResult); }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }

private:
    TestSubject m_subject;
    StudyFixture m_study;
    std::unique_ptr<MeaningTestWindow> m_meanings;
    TestPageDriver *m_driver = nullptr;
};

// What a screen reader hears of a widget.
QString spoken(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

// Answering with the digit keys, and the review of a finished test read back with the keyboard
// and a screen reader.
class ReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void digitKeys_data();
    void digitKeys();
    void review_data();
    void review();
};

void ReviewTest::digitKeys_data()
{
    QTest::addColumn<TestSubject>("subject");
    QTest::addColumn<qint16>("level");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QList<int>>("ticked"); // boxes ticked after the digits
    QTest::addColumn<bool>("onNext");       // the focus, after the digits
    QTest::addColumn<QString>("enter");     // what Enter does then: "scored", a message, or ""

    const auto keywords = TestSubject::Keywords;
    const auto meanings = TestSubject::Meanings;
    const qint16 beginner = TestSetup::Beginner;
    const qint16 advanced = TestSetup::Advanced;
    QTest::newRow("keywords, beginner")
        << keywords << beginner << QList<int>{3} << false << QList<int>{2} << true << "scored";
    QTest::newRow("keywords, beginner, beyond the five boxes")
        << keywords << beginner << QList<int>{6, 8} << false << QList<int>{} << false << "";
    QTest::newRow("keywords, beginner, ticked and unticked")
        << keywords << beginner << QList<int>{2, 2} << false << QList<int>{} << true
        << "You must select 1 option";
    QTest::newRow("keywords, advanced, keypad")
        << keywords << advanced << QList<int>{1, 4, 5, 8} << true << QList<int>{0, 3, 4, 7} << true
        << "scored";
    QTest::newRow("meanings, beginner")
        << meanings << beginner << QList<int>{5} << false << QList<int>{4} << true << "scored";
    QTest::newRow("meanings, advanced") << meanings << advanced << QList<int>{8, 7, 6, 5} << false
                                        << QList<int>{4, 5, 6, 7} << true << "scored";
    QTest::newRow("meanings, advanced, a tick past the count")
        << meanings << advanced << QList<int>{1, 2, 2, 3, 4, 5} << false << QList<int>{0, 2, 3, 4}
        << false << "";
}

void ReviewTest::digitKeys()
{
    QFETCH(TestSubject, subject);
    QFETCH(qint16, level);
    QFETCH(QList<int>, digits);
    QFETCH(bool, keypad);
    QFETCH(QList<int>, ticked);
    QFETCH(bool, onNext);
    QFETCH(QString, enter);
    TestRun run(subject);
    run.start(level);
    for (int i = 0; i < 8; ++i) {
        const QString key = QString::number(i + 1);
        auto *label =
            run.box(i)->parentWidget()->findChild<QLabel *>(QStringLiteral("lblKey_%1").arg(i));
        QCOMPARE(label->text(), key);
        QCOMPARE(label->isVisible(), run.box(i)->isVisible());
        QCOMPARE(run.box(i)->accessibleDescription(), QStringLiteral("Key ") + key);
    }
    const QStringList captions = [&] {
        QStringList texts;
        for (int i = 0; i < 8; ++i)
            texts << run.box(i)->text();
        return texts;
    }();

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
    if (enter.isEmpty())
        return;

    run.press(Qt::Key_Return);
    if (enter == QLatin1String("scored")) {
        QVERIFY(run.messages().isEmpty());
        QCOMPARE(run.questionNo(), 2);
        QVERIFY(!run.records().state.questionResults[0].isEmpty());
    } else {
        QCOMPARE(run.messages().size(), 1);
        QCOMPARE(run.messages()[0].text, enter);
        QCOMPARE(run.questionNo(), 1);
    }
}

void ReviewTest::review_data()
{
    QTest::addColumn<TestSubject>("subject");
    QTest::addColumn<qint16>("level");
    QTest::addColumn<QString>("title");
    QTest::newRow("keywords, beginner") << TestSubject::Keywords << qint16(TestSetup::Beginner)
                                        << "Stone Keywords, Beginner: 22 Correct Out Of 24";
    QTest::newRow("keywords, advanced") << TestSubject::Keywords << qint16(TestSetup::Advanced)
                                        << "Stone Keywords, Advanced: 91 Correct Out Of 96";
    QTest::newRow("meanings, beginner") << TestSubject::Meanings << qint16(TestSetup::Beginner)
                                        << "Stone Meanings, Beginner: 22 Correct Out Of 24";
}

void ReviewTest::review()
{
    QFETCH(TestSubject, subject);
    QFETCH(qint16, level);
    QFETCH(QString, title);
    TestRun run(subject);
    QVERIFY(!run.result()->reviewButton()->isEnabled());
    const int required = TestRules::requiredTicks(level);

    // The whole test with the keys alone. Question 3 is answered all wrong, question 24 with one
    // wrong tick in place of a right one; every other answer is right.
    struct Expected {
        StoneIndex stone;
        QStringList options;
        QList<bool> right;
        QList<bool> ticked;
    };
    QList<Expected> expected;
    run.start(level);
    for (int question = 1; question <= QuestionCount; ++question) {
        QCOMPARE(run.questionNo(), question);
        const TestState &state = run.records().state;
        Expected answer{state.questionOrder[question - 1], {}, {}, {}};
        QList<int> right;
        QList<int> wrong;
        for (int i = 0; i < TestRules::optionCount(level); ++i) {
            answer.options << run.box(i)->text();
            answer.right << state.correctAnswers.contains(answer.options.last());
            (answer.right.last() ? right : wrong) << i;
        }
        QCOMPARE(right.size(), required);
        QList<int> ticks = question == 3 ? wrong.first(required) : right;
        if (question == QuestionCount)
            ticks.last() = wrong.first();
        for (int i = 0; i < answer.options.size(); ++i)
            answer.ticked << ticks.contains(i);
        for (int i : ticks)
            run.press(Qt::Key_1 + i);
        QCOMPARE(QApplication::focusWidget(), run.next());
        run.press(Qt::Key_Return);
        expected << answer;
    }
    QVERIFY(run.messages().isEmpty());
    QVERIFY(run.result()->reviewButton()->isEnabled());

    // A test left half way changes nothing of the review.
    run.start(level);
    for (int i = 0; i < required; ++i)
        run.press(Qt::Key_1 + i);
    run.press(Qt::Key_Return);
    QCOMPARE(run.questionNo(), 2);

    run.showResult();
    QPushButton *reviewButton = run.result()->reviewButton();
    reviewButton->setFocus();
    QTest::keyClick(reviewButton, Qt::Key_Space);
    auto *review = run.result()->findChild<ReviewWindow *>(QStringLiteral("frmReview"));
    QVERIFY(review);
    QVERIFY(QTest::qWaitForWindowExposed(review));
    review->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(review));

    QCOMPARE(review->findChild<QLabel *>(QStringLiteral("lblReviewTitle"))->text(), title);

    // Each row and each mark as a screen reader names it.
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QList<int> mistakes;
    for (int question = 1; question <= QuestionCount; ++question) {
        const Expected &answer = expected[question - 1];
        int score = 0;
        int missed = 0;
        int wrong = 0;
        for (int i = 0; i < answer.options.size(); ++i) {
            const QString mark = answer.right[i]
                                     ? (answer.ticked[i] ? "Right and ticked" : "Right and missed")
                                     : (answer.ticked[i] ? "Wrong and ticked" : "Not ticked");
            auto *option = review->findChild<QLabel *>(
                QStringLiteral("lblReviewOption_%1_%2").arg(question - 1).arg(i));
            QVERIFY(option);
            QCOMPARE(spoken(option), mark + QStringLiteral(": ") +
                                         QString(answer.options[i]).replace("\r\n", "\n"));
            score += answer.right[i] && answer.ticked[i];
            missed += answer.right[i] && !answer.ticked[i];
            wrong += !answer.right[i] && answer.ticked[i];
        }
        QStringList summary;
        if (missed)
            summary << QStringLiteral("%1 right and missed").arg(missed);
        if (wrong)
            summary << QStringLiteral("%1 wrong and ticked").arg(wrong);
        QCOMPARE(spoken(review->row(question)),
                 QStringLiteral("%1, %2 of %3: %4")
                     .arg(catalogue.stoneNames[answer.stone])
                     .arg(score)
                     .arg(required)
                     .arg(summary.isEmpty() ? QStringLiteral("all right")
                                            : summary.join(QLatin1String(", "))));
        if (score < required)
            mistakes << question;
    }
    QCOMPARE(mistakes, (QList<int>{3, QuestionCount}));

    // Read back with Tab, all rows and then the mistakes only; Escape closes.
    QCheckBox *mistakesOnly = review->mistakesOnlyBox();
    for (const bool only : {false, true}) {
        QCOMPARE(QApplication::focusWidget(), mistakesOnly);
        if (only)
            QTest::keyClick(mistakesOnly, Qt::Key_Space);
        QCOMPARE(mistakesOnly->isChecked(), only);
        QList<int> reached;
        for (int step = 0; step < 2 * QuestionCount; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            if (focus == mistakesOnly)
                break;
            for (int question = 1; question <= QuestionCount; ++question) {
                if (focus == review->row(question)) {
                    reached << question;
                    QVERIFY(!focus->visibleRegion().isEmpty());
                }
            }
        }
        QList<int> all(QuestionCount);
        std::iota(all.begin(), all.end(), 1);
        QCOMPARE(reached, only ? mistakes : all);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!review->isVisible());
}

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
