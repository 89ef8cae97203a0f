// How long "Review Answers" takes to open: the window built over a finished test and shown, until
// it has painted itself. Meanings at Advanced is the heaviest review: 24 questions of 8 paragraphs.
#include "catalogue/runecatalogue.h"
#include "quiz/keywordquestion.h"
#include "quiz/meaningquestion.h"
#include "quiz/quizscoring.h"
#include "quizscreens/reviewwindow.h"
#include "shownprobe.h"

#include <QApplication>
#include <QTest>

Q_DECLARE_METATYPE(QuizSubject)
Q_DECLARE_METATYPE(QuizLevel)

namespace {

// Every question answered with its first boxes, as a hurried user might.
AnswerSheet finishedTest(QuizSubject subject, QuizLevel level)
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    RandomEngine engine(5);
    QuizSetup setup;
    setup.level = level;
    setup.stoneTypes = StoneType::Upright | StoneType::Reversed | StoneType::Merkstave;
    AnswerSheet sheet;
    sheet.subject = subject;
    sheet.level = level;
    sheet.stoneTypes = setup.stoneTypes;
    for (int q = 0; q < QuestionCount; ++q) {
        const auto stone = StoneIndex(q);
        const Question question = subject == QuizSubject::Meanings
                                      ? buildMeaningQuestion(catalogue, stone, setup, engine)
                                      : buildKeywordQuestion(catalogue, stone, level, engine);
        AnsweredQuestion &answer = sheet.answers[static_cast<size_t>(q)];
        answer.stone = stone;
        answer.options = question.options;
        answer.correctAnswers = question.correctAnswers;
        QStringList ticked;
        for (int i = 0; i < question.options.size(); ++i) {
            answer.ticked << (i < QuizScoring::requiredTicks(level));
            if (answer.ticked.last())
                ticked << question.options[i];
        }
        answer.score = QuizScoring::score(ticked, question.correctAnswers);
    }
    return sheet;
}

} // namespace

class ReviewBench : public QObject
{
    Q_OBJECT

private slots:
    void open_data()
    {
        QTest::addColumn<QuizSubject>("subject");
        QTest::addColumn<QuizLevel>("level");
        QTest::newRow("keywords, beginner") << QuizSubject::Keywords << QuizLevel::Beginner;
        QTest::newRow("meanings, advanced") << QuizSubject::Meanings << QuizLevel::Advanced;
    }

    void open()
    {
        QFETCH(QuizSubject, subject);
        QFETCH(QuizLevel, level);
        const AnswerSheet sheet = finishedTest(subject, level);
        QWidget owner;
        owner.resize(400, 300);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QBENCHMARK
        {
            PaintSeen paint;
            ReviewWindow review(sheet, &owner);
            review.installEventFilter(&paint);
            review.show();
            while (!paint.seen)
                QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(ReviewBench)
#include "reviewbench.moc"
