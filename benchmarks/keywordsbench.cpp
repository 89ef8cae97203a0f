// How long a keywords question takes: building one, and "Next" putting the next one on screen
// with the redraw, in a test and in a practice round.
#include "catalogue/runecatalogue.h"
#include "quiz/keywordquestion.h"
#include "quiz/quizsession.h"
#include "quizscreens/meaningsquizpage.h"
#include "quizscreens/practicewindow.h"
#include "quizscreens/quizpage.h"
#include "studyfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(QuizLevel)

class KeywordsBench : public QObject
{
    Q_OBJECT

private slots:
    void buildQuestion_data()
    {
        QTest::addColumn<QuizLevel>("level");
        QTest::newRow("beginner") << QuizLevel::Beginner;
        QTest::newRow("advanced") << QuizLevel::Advanced;
    }

    void buildQuestion()
    {
        QFETCH(QuizLevel, level);
        const RuneCatalogue &catalogue = loadRuneCatalogue();
        RandomEngine engine(1);
        StoneIndex stone = 0;
        QBENCHMARK
        {
            const Question question = buildKeywordQuestion(catalogue, stone, level, engine);
            stone = StoneIndex((stone + question.options.size()) % StoneCount);
        }
    }

    void next()
    {
        QStandardPaths::setTestModeEnabled(true);
        StudyFixture fixture;
        StudyWindow &window = fixture.open();
        QuizSession &session = fixture.session;
        const auto start = [&] {
            session.startTest(QuizSubject::Keywords, QuizLevel::Advanced);
            window.startKeywordsTest();
        };
        start();
        // The test's page is built when the test first starts.
        auto *nextButton = window.findChild<QPushButton *>(QStringLiteral("cmdNextQuestion"));
        QBENCHMARK
        {
            if (session.questionNo() == QuestionCount)
                start();
            for (int i = 0; i < 4; ++i)
                window.findChild<QCheckBox *>(QStringLiteral("chkKeywords_%1").arg(i))
                    ->setChecked(true);
            nextButton->click();
            window.repaint();
        }
    }

    // A round of keywords only is the test's like; mixed, every other "Next" changes the page.
    void practiceNext_data()
    {
        QTest::addColumn<bool>("mixed");
        QTest::newRow("keywords") << false;
        QTest::newRow("keywords and meanings") << true;
    }

    void practiceNext()
    {
        QFETCH(bool, mixed);
        ScriptedPlatform platform;
        PracticeWindow window(platform);
        QList<PracticeAnswer> round;
        for (StoneIndex stone = 0; stone < 12; ++stone) {
            round.append({mixed && stone % 2 ? QuizSubject::Meanings : QuizSubject::Keywords, {}});
            round.last().question.stone = stone;
        }
        // Whole, as on a screen it fits, as the test's window does: the offscreen screen's
        // 800 x 600 would make it scroll, and its scroll bars cost more than the question.
        window.resize(MeaningsQuizPage::FixedSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.start(round, QuizLevel::Advanced, {});
        QBENCHMARK
        {
            if (!window.runs())
                window.start(round, QuizLevel::Advanced, {});
            QuizPage *page = window.currentPage();
            for (int i = 0; i < 4; ++i)
                page->optionBox(i)->setChecked(true);
            page->nextButton()->click();
            window.repaint();
        }
    }
};

QTEST_MAIN(KeywordsBench)
#include "keywordsbench.moc"
