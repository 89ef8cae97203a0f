// How long a keywords question takes: building one, and "Next" putting the next one on screen
// with the redraw.
#include "catalogue/runecatalogue.h"
#include "quiz/keywordquestion.h"
#include "quiz/quizrules.h"
#include "studyfixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class KeywordsBench : public QObject
{
    Q_OBJECT

private slots:
    void buildQuestion_data()
    {
        QTest::addColumn<qint16>("level");
        QTest::newRow("beginner") << qint16(QuizSetup::Beginner);
        QTest::newRow("advanced") << qint16(QuizSetup::Advanced);
    }

    void buildQuestion()
    {
        QFETCH(qint16, level);
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
            session.startTest(QuizSubject::Keywords, QuizSetup::Advanced);
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
};

QTEST_MAIN(KeywordsBench)
#include "keywordsbench.moc"
