#include "app/framewindow.h"
#include "catalogue/stonepicturebox.h"
#include "quiz/quizsession.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/quizresultsection.h"
#include "quizscreens/quizsetupwizard.h"
#include "study/studywindow.h"
#include "studyfixture.h"
#include "widgets/guardedtextbox.h"
#include "widgets/wrappingcheckbox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(QuizLevel)

// The meanings test as a run of the program goes through it: started from the study window's
// set-up, answered in the frame by keyboard or mouse, handed back to a freshly loaded study
// window with its result, or abandoned with "Start Again".
class MeaningsTestTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void wholeTest_data();
    void wholeTest();
    void wrongTickCount_data();
    void wrongTickCount();
    void startAgain_abandonsTheTest();

private:
    QuizSession &session() { return m_run->app.quizSession(); }
    template <typename T = QAbstractButton> static T *control(QWidget *window, const QString &name);
    // Through the study window's set-up: the types as "URM" letters, then the hand-over.
    void startTest(QuizLevel level, const QString &types);
    WrappingCheckBox *box(int index) const;
    QPushButton *next() const { return m_run->app.frameWindow()->meaningTest()->nextButton(); }
    // Boxes in use whose captions are right, or wrong, answers of the question on screen.
    QList<int> boxes(bool right) const;
    void checkQuestionShown(int number);
    // Whatever the focus moved to shows its left edge, where its tick is, and the left column (the
    // stone, its name, the question's number, "Next") stays in view; a new question starts at the
    // top.
    void checkFocusInView(bool newQuestion = false);
    // A hand-over: one window shown, the other gone, and the run goes on.
    void checkHandOver(QWidget *shown, const QPointer<QWidget> &gone);

    std::unique_ptr<ProgramRun> m_run;
};

void MeaningsTestTest::init()
{
    m_run = std::make_unique<ProgramRun>();
    QVERIFY(m_run->app.start());
}

void MeaningsTestTest::cleanup()
{
    m_run.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename T> T *MeaningsTestTest::control(QWidget *window, const QString &name)
{
    auto *found = window->findChild<T *>(name);
    if (!found)
        qFatal("No control %s", qPrintable(name));
    return found;
}

void MeaningsTestTest::startTest(QuizLevel level, const QString &types)
{
    QPointer<QWidget> study = m_run->app.studyWindow();
    ::startTest(*m_run->app.studyWindow(), QuizSubject::Meanings, level, types);

    // The frame came with question 1, ready for the keyboard.
    checkHandOver(m_run->app.frameWindow(), study);
    QVERIFY(QTest::qWaitForWindowActive(m_run->app.frameWindow()));
    checkQuestionShown(1);
    // A compositor hands the keyboard over in its own time.
    QTRY_COMPARE(QApplication::focusWidget(), box(0));
    checkFocusInView(true);
}

WrappingCheckBox *MeaningsTestTest::box(int index) const
{
    return m_run->app.frameWindow()->meaningTest()->optionBox(index);
}

QList<int> MeaningsTestTest::boxes(bool right) const
{
    QuizSession &session = m_run->app.quizSession();
    QList<int> found;
    for (int i = 0; i < (session.level() == QuizLevel::Advanced ? 8 : 5); ++i) {
        if (session.question().correctAnswers.contains(box(i)->text()) == right)
            found << i;
    }
    return found;
}

void MeaningsTestTest::checkQuestionShown(int number)
{
    const bool advanced = session().level() == QuizLevel::Advanced;
    const QString instruction = advanced ? QStringLiteral("You must choose 4 options")
                                         : QStringLiteral("You must choose only 1 option");
    const AnsweredQuestion &question = session().question();
    MeaningsQuizPage *window = m_run->app.frameWindow()->meaningTest();
    const StoneIndex stone = session().sheet().answers[number - 1].stone;
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QVERIFY(session().runs(QuizSubject::Meanings));
    QCOMPARE(session().questionNo(), number);
    const auto text = [window](const char *label) {
        return control<QLabel>(window, QLatin1String(label))->text();
    };
    QCOMPARE(text("lblMeaningTestQuestion"), QStringLiteral("Question %1").arg(number));
    QCOMPARE(text("lblMeaningTestStoneName"), catalogue.stoneNames[stone]);
    QCOMPARE(text("lblMeaningTestCaption"), instruction);
    QCOMPARE(control<StonePictureBox>(window, QStringLiteral("picMeaningTest"))->pictureNumber(),
             stone + 1);
    // The right answers are this stone's meanings of the chosen kinds, each in one box.
    const StoneTypes types = session().stoneTypes();
    QStringList allowed;
    if (types.testFlag(StoneType::Upright))
        allowed << catalogue.uprightMeanings[stone];
    if (types.testFlag(StoneType::Reversed))
        allowed << catalogue.reversedMeanings[stone];
    if (types.testFlag(StoneType::Merkstave))
        allowed << catalogue.merkstaveMeanings[stone];
    QCOMPARE(question.correctAnswers.size(), advanced ? 4 : 1);
    for (const QString &answer : question.correctAnswers) {
        QVERIFY(allowed.contains(answer));
        QCOMPARE(question.options.count(answer), 1);
    }
    // A screen reader hears the question on the first box, and no more than the page shows: not
    // the face the right answers were drawn for.
    QVERIFY(box(0)->accessibleDescription().startsWith(
        QStringLiteral("Question %1, %2. %3.")
            .arg(number)
            .arg(catalogue.stoneNames[stone], instruction)));
    const int inUse = advanced ? 8 : 5;
    for (int i = 0; i < MeaningsQuizPage::OptionCount; ++i) {
        QCOMPARE(box(i)->isVisible(), i < inUse);
        QVERIFY(!box(i)->isChecked());
        if (i < inUse)
            QCOMPARE(box(i)->text(), question.options[i]);
    }
}

void MeaningsTestTest::checkFocusInView(bool newQuestion)
{
    auto *area = control<QScrollArea>(m_run->app.frameWindow(), QStringLiteral("meaningTestArea"));
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    const QRect shown(focus->mapTo(area->viewport(), QPoint(0, 0)), QSize(1, focus->height()));
    QVERIFY2(area->viewport()->rect().contains(shown), qPrintable(focus->objectName()));
    QCOMPARE(area->horizontalScrollBar()->value(), 0);
    if (newQuestion)
        QCOMPARE(area->verticalScrollBar()->value(), 0);
}

void MeaningsTestTest::checkHandOver(QWidget *shown, const QPointer<QWidget> &gone)
{
    QVERIFY(shown && shown->isVisible());
    QVERIFY(!m_run->app.hasEnded());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(gone.isNull());
}

void MeaningsTestTest::wholeTest_data()
{
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QString>("total");
    QTest::addColumn<int>("screen"); // 0: 800 x 600; 1: 1920 x 1080 at scale 2
    // Every answer right but the last, which is all wrong.
    QTest::newRow("beginner, by keyboard") << QuizLevel::Beginner << "U"
                                           << "23 Correct Out Of  24 Descriptions" << 0;
    QTest::newRow("advanced, by mouse") << QuizLevel::Advanced << "RM"
                                        << "92 Correct Out Of  96 Descriptions" << 1;
}

void MeaningsTestTest::wholeTest()
{
    QFETCH(QuizLevel, level);
    QFETCH(QString, types);
    QFETCH(QString, total);
    QFETCH(int, screen);
    // Under Weston there is one screen only.
    QScreen *onScreen = QGuiApplication::screens().value(screen, QGuiApplication::primaryScreen());
    QVERIFY(onScreen);
    m_run->app.studyWindow()->setScreen(onScreen);
    // The walk has moved on; the study window that comes back starts it again.
    m_run->app.studyWindow()->showSection(StudyWindow::Section::MemorizeStones);
    m_run->app.studyWindow()->controller()->nextStone();
    startTest(level, types);
    QPointer<QWidget> frame = m_run->app.frameWindow();
    for (int question = 1; question <= QuestionCount; ++question) {
        checkQuestionShown(question);
        const bool last = question == QuestionCount;
        if (level == QuizLevel::Beginner) {
            // Tab to the right box, Space ticks it and the focus moves on to "Next" for Enter;
            // every box on the way, and "Next", scrolls into view.
            const int target = (last ? boxes(false) : boxes(true)).first();
            for (int i = 0; i < target; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                checkFocusInView();
            }
            QCOMPARE(QApplication::focusWidget(), box(target));
            QTest::keyClick(box(target), Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), next());
            checkFocusInView();
            QTest::keyClick(next(), Qt::Key_Return);
        } else {
            // Every right text, and wrong ones up to four ticks; the focus goes to "Next" with
            // the fourth.
            const QList<int> right = last ? QList<int>() : boxes(true);
            const QList<int> ticks = right + boxes(false).first(4 - right.size());
            for (int i : ticks) {
                QVERIFY(QApplication::focusWidget() != next());
                QTest::mouseClick(box(i), Qt::LeftButton, {}, QPoint(8, box(i)->height() / 2));
            }
            QCOMPARE(QApplication::focusWidget(), next());
            checkFocusInView();
            QTest::mouseClick(next(), Qt::LeftButton);
        }
        if (!last) {
            // The next question is answered from its first box.
            QCOMPARE(QApplication::focusWidget(), box(0));
            checkFocusInView(true);
        }
    }

    // Back in a study window loaded afresh, with the result in front.
    QVERIFY(m_run->platform.messages.isEmpty());
    StudyWindow *study = m_run->app.studyWindow();
    checkHandOver(study, frame);
    QCOMPARE(study->frontSection(), StudyWindow::Section::TestResult);
    QTRY_COMPARE(QApplication::focusWidget(), control(study, QStringLiteral("Command5")));
    QCOMPARE(m_run->app.walk().studyPosition, 0);
    QVERIFY(!control(study->testSetUp(), QStringLiteral("optTestSubjects_0"))->isChecked());
    QCOMPARE(session().questionNo(), 24);
    QCOMPARE(session().sheet().total(), 0);

    // The finished test's result.
    const QString text = study->testResult()->resultBox()->text();
    checkResultOf(text, *session().lastFinished(), total);
    if (QTest::currentTestFailed())
        return;

    // Saved from there as it stands, with one line end more.
    const QString path = QDir(m_run->folder.path()).filePath(QStringLiteral("result.txt"));
    m_run->platform.saveNames << path;
    QTest::mouseClick(control(study, QStringLiteral("Command5")), Qt::LeftButton);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), (text + QStringLiteral("\r\n")).toLatin1());
}

void MeaningsTestTest::wrongTickCount_data()
{
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("message");
    const QuizLevel beginner = QuizLevel::Beginner;
    const QuizLevel advanced = QuizLevel::Advanced;
    // Every count is the session's; here the frame shows the message and keeps the ticks.
    QTest::newRow("beginner, two") << beginner << 2 << "You can select 1 option";
    QTest::newRow("advanced, five") << advanced << 5 << "You can select 4 options";
}

void MeaningsTestTest::wrongTickCount()
{
    QFETCH(QuizLevel, level);
    QFETCH(int, ticks);
    QFETCH(QString, message);
    startTest(level, QStringLiteral("URM"));
    for (int i = 0; i < ticks; ++i)
        QTest::mouseClick(box(i), Qt::LeftButton, {}, QPoint(8, box(i)->height() / 2));
    QTest::mouseClick(next(), Qt::LeftButton);

    QCOMPARE(m_run->platform.messages.size(), 1);
    QCOMPARE(m_run->platform.messages[0].text, message);
    QCOMPARE(m_run->platform.messages[0].icon, Platform::Icon::Critical);
    // The question stays as it was, ticks and all, for the user to correct.
    QCOMPARE(session().questionNo(), 1);
    for (int i = 0; i < (level == QuizLevel::Advanced ? 8 : 5); ++i)
        QCOMPARE(box(i)->isChecked(), i < ticks);
}

void MeaningsTestTest::startAgain_abandonsTheTest()
{
    startTest(QuizLevel::Advanced, QStringLiteral("UR"));
    const QList<int> right = boxes(true);
    for (int i : right + boxes(false).first(4 - right.size()))
        QTest::mouseClick(box(i), Qt::LeftButton, {}, QPoint(8, box(i)->height() / 2));
    QTest::mouseClick(next(), Qt::LeftButton);
    QCOMPARE(session().sheet().total(), 4);

    QPointer<QWidget> frame = m_run->app.frameWindow();
    QTest::mouseClick(control(frame, QStringLiteral("cmdStart")), Qt::LeftButton);
    checkHandOver(m_run->app.studyWindow(), frame);
    QCOMPARE(m_run->app.studyWindow()->frontSection(), StudyWindow::Section::Settings);

    // The next test counts from 0.
    startTest(QuizLevel::Beginner, QStringLiteral("M"));
    QCOMPARE(session().sheet().total(), 0);
    QTest::mouseClick(box(boxes(true).first()), Qt::LeftButton);
    QTest::mouseClick(next(), Qt::LeftButton);
    QCOMPARE(session().sheet().total(), 1);

    // The user closing the frame ends the run.
    m_run->app.frameWindow()->close();
    QVERIFY(m_run->app.hasEnded());
    QVERIFY(!m_run->app.studyWindow());
}

QTEST_MAIN(MeaningsTestTest)
#include "tst_meaningstest.moc"
