#include "catalogue/runecatalogue.h"
#include "platform/wrappingcheckbox.h"
#include "studyfixture.h"
#include "tests/keywordstestpage.h"
#include "tests/meaningquestion.h"
#include "tests/meaningtestwindow.h"
#include "tests/testpagedriver.h"
#include "tests/testrules.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(TestSubject)

namespace {

// A test of either subject, answered with the keyboard as a user would: the keywords test in the
// study window, the meanings test window on its driver beside a result section of its own.
class TestRun
{
public:
    explicit TestRun(TestSubject subject)
        : m_subject(subject)
    {
        if (subject == TestSubject::Keywords) {
            m_study.open();
            m_study.window->activateWindow();
            return;
        }
        m_records.setup.stoneTypes = {true, true, true};
        m_meanings = std::make_unique<MeaningTestWindow>();
        const auto build = [](const TestSetup &setup, StoneIndex stone, RandomEngine &engine) {
            return buildMeaningQuestion(loadRuneCatalogue(), stone, setup, engine);
        };
        m_driver = new TestPageDriver(TestSubject::Meanings, build, m_records, m_study.platform,
                                      testPageView(m_meanings.get()), m_meanings.get());
    }

    TestRecords &records()
    {
        return m_subject == TestSubject::Keywords ? m_study.records : m_records;
    }
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
        TestRules::startTest(m_records, TestSubject::Meanings, level, m_study.platform.random());
        m_driver->next();
        m_meanings->show();
        m_meanings->activateWindow();
        if (!QTest::qWaitForWindowActive(m_meanings.get()))
            qWarning("The meanings test window did not become active");
        box(0)->setFocus();
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }

private:
    TestSubject m_subject;
    StudyFixture m_study;
    TestRecords m_records;
    std::unique_ptr<MeaningTestWindow> m_meanings;
    TestPageDriver *m_driver = nullptr;
};

} // namespace

// Answering with the digit keys.
class ReviewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void digitKeys_data();
    void digitKeys();
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

QTEST_MAIN(ReviewTest)
#include "tst_review.moc"
