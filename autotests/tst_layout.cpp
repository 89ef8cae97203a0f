#include "app/framewindow.h"
#include "catalogue/runecatalogue.h"
#include "widgets/wrappingcheckbox.h"
#include "studyfixture.h"
#include "quiz/keywordsquizpage.h"
#include "quiz/meaningsquizpage.h"
#include "quiz/quizrules.h"
#include "quiz/quizsetupwizard.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>

// Every caption must be readable in full at the window's fixed size. Set ORLENDRA_SNAPSHOTS to a
// folder to keep pictures of every section for a look by eye.
class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void studySections_data();
    void studySections();
    void frameWindow();
    void meaningTestWindow_data();
    void meaningTestWindow();

private:
    static void checkCaptionsFit(QWidget *root);
    static void snapshot(QWidget *window, const QString &name);
};

void LayoutTest::checkCaptionsFit(QWidget *root)
{
    for (auto *button : root->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(root) || button->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (auto *box = qobject_cast<WrappingCheckBox *>(button)) {
            QVERIFY2(box->showsWholeText(),
                     qPrintable(box->objectName() + QStringLiteral(": ") + box->text()));
            continue;
        }
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        const int needed = button->fontMetrics().horizontalAdvance(text) + 8;
        QVERIFY2(needed <= button->width(),
                 qPrintable(button->objectName() + QStringLiteral(": ") + text));
    }
    for (auto *label : root->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(room.width()) <= room.height()
                : label->fontMetrics().horizontalAdvance(label->text()) <= room.width();
        QVERIFY2(fits, qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
    }
}

void LayoutTest::snapshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORLENDRA_SNAPSHOTS");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void LayoutTest::studySections_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("page"); // of the test set-up
    QTest::newRow("settings") << 0 << 0;
    QTest::newRow("memorize") << 1 << 0;
    QTest::newRow("test set-up") << 2 << 0;
    QTest::newRow("test set-up, stone types") << 2 << 1;
    QTest::newRow("test set-up, level") << 2 << 2;
    QTest::newRow("goals") << 3 << 0;
    QTest::newRow("keywords test") << 4 << 0;
    QTest::newRow("result") << 5 << 0;
}

void LayoutTest::studySections()
{
    QFETCH(int, section);
    QFETCH(int, page);
    StudyFixture fixture;
    StudyWindow &window = fixture.open();
    window.bringToFront(static_cast<StudyWindow::Section>(section));
    window.testSetUp()->showPage(static_cast<QuizSetupWizard::Page>(page));
    if (section == 1) {
        // The longest texts: Thurisaz's upright meaning.
        window.showSection(StudyWindow::Section::MemorizeStones);
        window.nextStone();
        window.nextStone();
    }
    if (section == 4) {
        // A question at its widest, at either level: the longest name and keywords.
        const RuneCatalogue &catalogue = loadRuneCatalogue();
        const auto longer = [](const QString &a, const QString &b) { return a.size() > b.size(); };
        AnsweredQuestion question;
        question.options =
            QStringList(catalogue.stoneKeywords.begin(), catalogue.stoneKeywords.end() - 1);
        std::sort(question.options.begin(), question.options.end(), longer);
        const auto longestName = std::max_element(
            catalogue.stoneNames.begin(), catalogue.stoneNames.end(),
            [](const QString &a, const QString &b) { return a.size() < b.size(); });
        question.stone = StoneIndex(longestName - catalogue.stoneNames.begin());
        window.keywordsTest()->showQuestion(24, question, QuizSetup::Beginner);
        checkCaptionsFit(&window);
        window.keywordsTest()->showQuestion(24, question, QuizSetup::Advanced);
    }
    if (section == 5) {
        AnswerSheet sheet{QuizSubject::Keywords, QuizSetup::Advanced, {}, {}};
        for (int i = 0; i < QuestionCount; ++i)
            sheet.answers[i] = {StoneIndex(i), {}, {}, {}, {}, 4};
        window.showTestResult(QuizRules::resultText(loadRuneCatalogue(), sheet));
    }
    checkCaptionsFit(&window);
    snapshot(&window, QStringLiteral("study-%1-%2").arg(section).arg(page));
}

void LayoutTest::frameWindow()
{
    StudyFixture fixture;
    FrameWindow frame(fixture.session, fixture.platform);
    frame.setAttribute(Qt::WA_DeleteOnClose, false);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    checkCaptionsFit(&frame);
    snapshot(&frame, QStringLiteral("frame"));
}

void LayoutTest::meaningTestWindow_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("Beginner") << int(QuizSetup::Beginner);
    QTest::newRow("Advanced") << int(QuizSetup::Advanced);
}

// Every meaning of the catalogue must be readable in full in an option box; the longest come
// first, so the snapshot shows the hardest question.
void LayoutTest::meaningTestWindow()
{
    QFETCH(int, level);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QStringList texts;
    for (int k = 0; k < StoneCount; ++k) {
        const auto stone = static_cast<size_t>(k);
        texts << catalogue.uprightMeanings[stone] << catalogue.reversedMeanings[stone]
              << catalogue.merkstaveMeanings[stone];
    }
    std::sort(texts.begin(), texts.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    MeaningsQuizPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int boxes = level == QuizSetup::Advanced ? 8 : 5;
    for (int first = 0; first < texts.size(); first += boxes) {
        AnsweredQuestion question;
        question.stone = 2;
        question.options = texts.mid(first, boxes);
        while (question.options.size() < boxes)
            question.options << texts.first();
        window.showQuestion(24, question, static_cast<qint16>(level));
        checkCaptionsFit(&window);
        if (first == 0)
            snapshot(&window, QStringLiteral("meanings-test-%1").arg(level));
    }
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
