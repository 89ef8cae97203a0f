#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "ordinaryuser.h"
#include "quiz/quizsession.h"
#include "quizscreens/quizresultsection.h"
#include "studyfixture.h"
#include "widgets/guardedtextbox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(QuizLevel)

// The test set-up, the keywords test and its result, driven through the study window as a user
// would: mouse, keyboard and a screen reader's actions.
class KeywordsTestTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { m_fixture.reset(); }

    void setUpPages_data();
    void setUpPages();
    void ticks_moveTheFocusToNext_data();
    void ticks_moveTheFocusToNext();
    void wholeTest_data();
    void wholeTest();
    void abandonedTest_nextStartsAtZero();
    void saveResult_data();
    void saveResult();

private:
    StudyWindow &window() { return *m_fixture->window; }
    QuizSession &session() { return m_fixture->session; }
    template <typename T = QAbstractButton> T *control(const QString &name);
    void click(const QString &name);
    // A click on the box's tick, which answers to clicks where its caption stands.
    void tick(int index);
    QCheckBox *box(int index)
    {
        return control<QCheckBox>(QStringLiteral("chkKeywords_%1").arg(index));
    }
    // Boxes in use whose captions are right, or wrong, answers of the question on screen.
    QList<int> boxes(bool right);
    void checkQuestionShown(int number);
    QStringList messageTexts() const;

    std::unique_ptr<StudyFixture> m_fixture;
};

void KeywordsTestTest::init()
{
    m_fixture = std::make_unique<StudyFixture>();
    m_fixture->open();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

template <typename T> T *KeywordsTestTest::control(const QString &name)
{
    auto *found = window().findChild<T *>(name);
    if (!found)
        qFatal("No control %s", qPrintable(name));
    return found;
}

void KeywordsTestTest::click(const QString &name)
{
    QTest::mouseClick(control(name), Qt::LeftButton);
}

void KeywordsTestTest::tick(int index)
{
    QTest::mouseClick(box(index), Qt::LeftButton, {}, QPoint(8, box(index)->height() / 2));
}

QList<int> KeywordsTestTest::boxes(bool right)
{
    QList<int> found;
    for (int i = 0; i < (session().level() == QuizLevel::Advanced ? 8 : 5); ++i) {
        if (session().question().correctAnswers.contains(box(i)->text()) == right)
            found << i;
    }
    return found;
}

QStringList KeywordsTestTest::messageTexts() const
{
    QStringList texts;
    for (const auto &message : m_fixture->platform.messages) {
        texts << message.text;
        if (message.icon != Platform::Icon::Critical)
            texts << QStringLiteral("(not critical)");
    }
    return texts;
}

void KeywordsTestTest::checkQuestionShown(int number)
{
    const QuizLevel level = session().level();
    const int inUse = level == QuizLevel::Advanced ? 8 : 5;
    const StoneIndex stone = session().sheet().answers[number - 1].stone;
    const QString name = loadRuneCatalogue().stoneNames[stone];
    QVERIFY(session().runs(QuizSubject::Keywords));
    QCOMPARE(session().questionNo(), number);
    // What a screen reader hears of the labels.
    const auto spoken = [this](const char *label) {
        return QAccessible::queryAccessibleInterface(control<QLabel>(QLatin1String(label)))
            ->text(QAccessible::Name);
    };
    QCOMPARE(spoken("lblIndex"), QStringLiteral("Question %1").arg(number));
    QCOMPARE(spoken("lblTestStone"), name);
    QCOMPARE(control<QLabel>(QStringLiteral("lblCaption"))->text(),
             level == QuizLevel::Advanced ? QStringLiteral("You must choose 4 options")
                                          : QStringLiteral("You must choose only 1 option"));
    QCOMPARE(control<StonePictureBox>(QStringLiteral("picTest"))->pictureNumber(), stone + 1);
    QCOMPARE(boxes(true).size(), level == QuizLevel::Advanced ? 4 : 1);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(box(i)->isVisible(), i < inUse);
        QVERIFY(!box(i)->isChecked());
        if (i < inUse) {
            QCOMPARE(box(i)->text(), session().question().options[i]);
            QCOMPARE(box(i)->accessibleName(), session().question().options[i]);
        }
    }
}

void KeywordsTestTest::setUpPages_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("shown"); // page of the wizard, or the section in front
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("stoneTypes");

    const QString keywords = QStringLiteral("optTestSubjects_1");
    const QString meanings = QStringLiteral("optTestSubjects_0");
    const QString next0 = QStringLiteral("cmdTestNext_0");
    const QString next1 = QStringLiteral("cmdTestNext_1");
    const QString next2 = QStringLiteral("cmdTestNext_2");
    const QString section = QStringLiteral("cmdSubjects_2");
    const QStringList none;
    QTest::newRow("no subject") << QStringList{next0} << "fraTestSubjects"
                                << QStringList{"Please Select A Test Subject"} << "000";
    QTest::newRow("keywords skip the stone types")
        << QStringList{keywords, next0} << "fraTestLevel" << none << "000";
    QTest::newRow("meanings ask for stone types")
        << QStringList{meanings, next0} << "fraTestType" << none << "000";
    QTest::newRow("no stone type") << QStringList{meanings, next0, next1} << "fraTestType"
                                   << QStringList{"Please Select At Least 1 Stone Type"} << "000";
    QTest::newRow("stone types stored by their Next")
        << QStringList{meanings, next0, "chkTestType_0", "chkTestType_2", next1} << "fraTestLevel"
        << none << "101";
    QTest::newRow("back from the stone types")
        << QStringList{meanings, next0, "cmdTestBack_0"} << "fraTestSubjects" << none << "000";
    QTest::newRow("back from the level, keywords")
        << QStringList{keywords, next0, "cmdTestBack_1"} << "fraTestSubjects" << none << "000";
    QTest::newRow("back from the level, meanings")
        << QStringList{meanings, next0, "chkTestType_1", next1, "cmdTestBack_1"} << "fraTestType"
        << none << "010";
    QTest::newRow("no level") << QStringList{keywords, next0, next2} << "fraTestLevel"
                              << QStringList{"Please Select A Test Level"} << "000";
    QTest::newRow("section button enters at the subject")
        << QStringList{keywords, next0, section} << "fraTestSubjects" << none << "000";
    QTest::newRow("choices are kept")
        << QStringList{keywords, next0, "optTestLevel_1", section, next0, next2}
        << "picTestKeywords" << none << "000";
    QTest::newRow("keywords test starts") << QStringList{keywords, next0, "optTestLevel_0", next2}
                                          << "picTestKeywords" << none << "000";
    QTest::newRow("meanings test is asked for")
        << QStringList{meanings, next0, "chkTestType_1", next1, "optTestLevel_1", next2}
        << "fraTestLevel" << none << "010";
    QTest::newRow("stone types change only on their Next")
        << QStringList{meanings,        next0,           "chkTestType_1",  next1,
                       "cmdTestBack_1", "chkTestType_1", "chkTestType_0",  section,
                       keywords,        next0,           "optTestLevel_0", next2}
        << "picTestKeywords" << none << "010";
}

void KeywordsTestTest::setUpPages()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    QFETCH(QString, stoneTypes);
    QSignalSpy meaningsAsked(&window(), &StudyWindow::meaningsTestRequested);
    click(QStringLiteral("cmdSubjects_2"));
    for (const QString &name : clicks)
        click(name);

    const auto front = window().frontSection();
    QVERIFY(front == StudyWindow::Section::TestSetUp ||
            front == StudyWindow::Section::TestKeywords);
    const QString where = front == StudyWindow::Section::TestKeywords
                              ? QStringLiteral("picTestKeywords")
                              : control<QStackedWidget>(QStringLiteral("testSetUpPages"))
                                    ->currentWidget()
                                    ->objectName();
    QCOMPARE(where, shown);
    QCOMPARE(messageTexts(), messages);
    QString types;
    for (StoneType type : {StoneType::Upright, StoneType::Reversed, StoneType::Merkstave})
        types += QLatin1Char(session().stoneTypes().testFlag(type) ? '1' : '0');
    QCOMPARE(types, stoneTypes);

    const bool started = clicks.endsWith(QStringLiteral("cmdTestNext_2")) && messages.isEmpty();
    const bool meanings = control(QStringLiteral("optTestSubjects_0"))->isChecked();
    QCOMPARE(meaningsAsked.size(), started && meanings ? 1 : 0);
    if (started) {
        QCOMPARE(session().level(), control(QStringLiteral("optTestLevel_1"))->isChecked()
                                        ? QuizLevel::Advanced
                                        : QuizLevel::Beginner);
        QVERIFY(session().runs(meanings ? QuizSubject::Meanings : QuizSubject::Keywords));
        QCOMPARE(session().questionNo(), meanings ? 0 : 1);
    }
    if (started && !meanings) {
        checkQuestionShown(1);
        // The keyboard answers at once.
        QCOMPARE(QApplication::focusWidget(), box(0));
    }
}

void KeywordsTestTest::ticks_moveTheFocusToNext_data()
{
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QList<int>>("clicks"); // boxes clicked in turn; -1 presses "Next"
    QTest::addColumn<bool>("onNext");
    QTest::newRow("beginner, first tick") << QuizLevel::Beginner << QList<int>{2} << true;
    QTest::newRow("advanced, third tick") << QuizLevel::Advanced << QList<int>{0, 1, 2} << false;
    QTest::newRow("advanced, fourth tick") << QuizLevel::Advanced << QList<int>{0, 1, 2, 3} << true;
    // The boxes ticked count, not the clicks; and only a tick moves the focus.
    QTest::newRow("a box ticked again")
        << QuizLevel::Advanced << QList<int>{0, 0, 0, 1, 2} << false;
    QTest::newRow("a box ticked again makes four")
        << QuizLevel::Advanced << QList<int>{0, 0, 0, 1, 2, 3} << true;
    QTest::newRow("after a refused Next")
        << QuizLevel::Advanced << QList<int>{0, 1, 2, -1, 3} << true;
    QTest::newRow("beginner, unticked") << QuizLevel::Beginner << QList<int>{2, 2} << false;
    QTest::newRow("advanced, unticked at four")
        << QuizLevel::Advanced << QList<int>{0, 1, 2, 3, 3} << false;
}

void KeywordsTestTest::ticks_moveTheFocusToNext()
{
    QFETCH(QuizLevel, level);
    QFETCH(QList<int>, clicks);
    QFETCH(bool, onNext);
    startTest(window(), QuizSubject::Keywords, level);
    for (int i : clicks) {
        if (i < 0)
            click(QStringLiteral("cmdNextQuestion"));
        else
            tick(i);
    }
    QCOMPARE(QApplication::focusWidget() == control(QStringLiteral("cmdNextQuestion")), onNext);
}

void KeywordsTestTest::wholeTest_data()
{
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QString>("total");
    // Every answer right but the last, which has one wrong tick.
    QTest::newRow("beginner, by keyboard")
        << QuizLevel::Beginner << "23 Correct Out Of  24 Keywords";
    QTest::newRow("advanced, by screen reader")
        << QuizLevel::Advanced << "95 Correct Out Of  96 Keywords";
}

void KeywordsTestTest::wholeTest()
{
    QFETCH(QuizLevel, level);
    QFETCH(QString, total);
    startTest(window(), QuizSubject::Keywords, level);
    auto *next = control<QPushButton>(QStringLiteral("cmdNextQuestion"));
    for (int question = 1; question <= QuestionCount; ++question) {
        checkQuestionShown(question);
        // A screen reader hears the question as the focus arrives on its first box.
        const Heard heard = heardAtFocus();
        QCOMPARE(heard.name, box(0)->text());
        QCOMPARE(heard.description,
                 QStringLiteral("Question %1, %2. %3. Key 1")
                     .arg(question)
                     .arg(control<QLabel>(QStringLiteral("lblTestStone"))->text(),
                          control<QLabel>(QStringLiteral("lblCaption"))->text()));
        QList<int> ticks = boxes(true);
        if (question == QuestionCount)
            ticks.last() = boxes(false).first();
        if (level == QuizLevel::Beginner) {
            // Space ticks the box, and the focus moves on to "Next" for Enter.
            box(ticks[0])->setFocus();
            QTest::keyClick(box(ticks[0]), Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget(), next);
            QCOMPARE(
                heardAtFocus().description,
                QStringLiteral("Key %1 ticked: %2.").arg(ticks[0] + 1).arg(box(ticks[0])->text()));
            QTest::keyClick(next, Qt::Key_Return);
        } else {
            // A screen reader's toggle: no click, so the focus stays; the ticks count all the
            // same.
            for (int i : ticks) {
                QAccessibleInterface *access = QAccessible::queryAccessibleInterface(box(i));
                access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            }
            QVERIFY(QApplication::focusWidget() != next);
            next->setFocus();
            QTest::keyClick(next, Qt::Key_Return);
        }
    }

    // Keys meant for the last question land on "Save Current Result", which tells the total, and
    // leave the result alone.
    QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("Command5")));
    QCOMPARE(heardAtFocus().description, QStringLiteral("Result: ") + total.simplified());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1\r"));
    QVERIFY(m_fixture->platform.messages.isEmpty());
    QCOMPARE(window().frontSection(), StudyWindow::Section::TestResult);
    QCOMPARE(session().questionNo(), 24);
    QCOMPARE(session().sheet().total(), 0);
    // The finished test's result.
    const QString text = window().testResult()->resultBox()->text();
    checkResultOf(text, *session().lastFinished(), total);
    if (QTest::currentTestFailed())
        return;

    // Saved as it stands, with one line end more.
    const QString path = QDir(m_fixture->folder.path()).filePath(QStringLiteral("result.txt"));
    m_fixture->platform.saveNames << path;
    click(QStringLiteral("Command5"));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), (text + QStringLiteral("\r\n")).toLatin1());
}

void KeywordsTestTest::abandonedTest_nextStartsAtZero()
{
    startTest(window(), QuizSubject::Keywords, QuizLevel::Advanced);
    for (int i : boxes(true))
        tick(i);
    click(QStringLiteral("cmdNextQuestion"));
    QCOMPARE(session().sheet().total(), 4);
    // Away and back through the set-up, whose choices are still made.
    for (const char *name : {"cmdSubjects_3", "cmdSubjects_2", "cmdTestNext_0", "cmdTestNext_2"})
        click(QLatin1String(name));
    QCOMPARE(window().frontSection(), StudyWindow::Section::TestKeywords);
    QCOMPARE(session().sheet().total(), 0);
    checkQuestionShown(1);
}

void KeywordsTestTest::saveResult_data()
{
    QTest::addColumn<QString>("chosen");  // empty: the dialog is cancelled
    QTest::addColumn<QString>("written"); // empty with a name chosen: refused, and told
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("new file") << QString("new.txt") << "new.txt" << false;
    QTest::newRow("suffix added") << QString("new") << "new.txt" << false;
    QTest::newRow("other suffix kept") << QString("new.log") << "new.log" << false;
    QTest::newRow("replaced") << QString("old.txt") << "old.txt" << false;
    QTest::newRow("cancelled") << QString() << "" << false;
    QTest::newRow("a line break in the name") << QString("new\nname.txt") << "" << false;
    // How each trouble of saving leaves what stood at the name is tested where files are saved.
    QTest::newRow("the disk is full") << QString("old.txt") << "" << true;
}

void KeywordsTestTest::saveResult()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(bool, fullDisk);
    const bool refused = written.isEmpty() && !chosen.isEmpty();
    const QDir folder(m_fixture->folder.path());
    const QString chosenPath = QDir::toNativeSeparators(folder.filePath(chosen));
    const QByteArray old("old result\r\n");
    QFile oldFile(folder.filePath(QStringLiteral("old.txt")));
    QVERIFY(oldFile.open(QIODevice::WriteOnly) && oldFile.write(old) == old.size());
    oldFile.close();
    const QString text =
        QStringLiteral("01.          Fehu\r\n-----\r\n1 Correct Out Of  24 Keywords");
    window().bringToFront(StudyWindow::Section::TestResult);
    window().testResult()->resultBox()->setText(text);
    if (!chosen.isEmpty())
        m_fixture->platform.saveNames << folder.filePath(chosen);

    const auto save = [this, &text, &chosenPath, refused] {
        click(QStringLiteral("Command5"));
        const auto &messages = m_fixture->platform.messages;
        return m_fixture->platform.saveFilters == QStringList{"Text file (*.txt)"} &&
               window().testResult()->resultBox()->text() == text &&
               messages.size() == (refused ? 1 : 0) &&
               (!refused || (messages[0].icon == Platform::Icon::Critical &&
                             messages[0].text.contains(chosenPath)));
    };
    QVERIFY(fullDisk ? onAFullDisk(save) : save());
    QStringList files = folder.entryList(QDir::Files | QDir::NoSymLinks);
    files.removeAll(QStringLiteral("Goal1.txt"));
    files.removeAll(QStringLiteral("Goal2.txt"));
    files.removeAll(QStringLiteral("old.txt"));
    QCOMPARE(files, written.isEmpty() || written == QLatin1String("old.txt")
                        ? QStringList()
                        : QStringList{written});
    if (!written.isEmpty()) {
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), (text + QStringLiteral("\r\n")).toLatin1());
    }
    if (written != QLatin1String("old.txt")) {
        QVERIFY(oldFile.open(QIODevice::ReadOnly));
        QCOMPARE(oldFile.readAll(), old);
    }
}

QTEST_MAIN(KeywordsTestTest)
#include "tst_keywordstest.moc"
