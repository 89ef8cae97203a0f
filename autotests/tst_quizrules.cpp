#include "catalogue/runecatalogue.h"
#include "quiz/keywordquestion.h"
#include "quiz/quizrules.h"

#include <QSet>
#include <QTest>

#include <map>

// The random parts of a test: the question order and the make-up of keywords questions.
class TestRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void shuffle_isAUniformPermutation();
    void keywordQuestion_isFair_data();
    void keywordQuestion_isFair();
    void rightPositions_everySetEquallyLikely_data();
    void rightPositions_everySetEquallyLikely();

private:
    static void levels();
};

void TestRulesTest::shuffle_isAUniformPermutation()
{
    constexpr int runs = 24000;
    RandomEngine engine(7);
    QuizState state;
    std::array<std::array<int, QuestionCount>, StoneCount> landed{};
    for (int run = 0; run < runs; ++run) {
        shuffleQuestionOrder(state, engine);
        QSet<int> seen;
        for (int position = 0; position < QuestionCount; ++position) {
            const int stone = state.questionOrder[position];
            QVERIFY(stone >= 0 && stone < StoneCount);
            seen.insert(stone);
            ++landed[stone][position];
        }
        QCOMPARE(seen.size(), StoneCount);
    }
    // 1000 expected in every cell, with a spread of about 31.
    for (const auto &positions : landed) {
        for (int count : positions)
            QVERIFY2(count > 850 && count < 1150, qPrintable(QString::number(count)));
    }
}

void TestRulesTest::levels()
{
    QTest::addColumn<qint16>("level");
    QTest::newRow("beginner") << qint16(QuizSetup::Beginner);
    QTest::newRow("advanced") << qint16(QuizSetup::Advanced);
}

void TestRulesTest::keywordQuestion_isFair_data()
{
    levels();
}

void TestRulesTest::keywordQuestion_isFair()
{
    QFETCH(qint16, level);
    const bool advanced = level == QuizSetup::Advanced;
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    RandomEngine engine(11);
    for (StoneIndex stone = 0; stone < StoneCount; ++stone) {
        const QStringList own = catalogue.keywordsOf(stone);
        std::array<int, KeywordsPerStone> asked{};
        for (int build = 0; build < 200; ++build) {
            const Question question = buildKeywordQuestion(catalogue, stone, level, engine);
            QCOMPARE(question.options.size(), advanced ? 8 : 5);
            if (advanced)
                QCOMPARE(question.correctAnswers, own);
            else
                QVERIFY(question.correctAnswers.size() == 1 &&
                        own.contains(question.correctAnswers[0]));
            // Every option shows a text of its own; the right ones once each, and no other
            // option is a keyword of the stone asked about.
            QCOMPARE(QSet<QString>(question.options.begin(), question.options.end()).size(),
                     question.options.size());
            for (const QString &option : question.options) {
                QVERIFY(!option.isEmpty());
                QCOMPARE(own.contains(option), question.correctAnswers.contains(option));
            }
            for (const QString &right : question.correctAnswers)
                QVERIFY(question.options.contains(right));
            ++asked[static_cast<size_t>(own.indexOf(question.correctAnswers[0]))];
        }
        // At Beginner each keyword is the asked one about 50 times, with a spread of about 6.
        for (int count : asked)
            QVERIFY2(advanced || (count > 25 && count < 75), qPrintable(QString::number(count)));
    }
}

void TestRulesTest::rightPositions_everySetEquallyLikely_data()
{
    levels();
}

void TestRulesTest::rightPositions_everySetEquallyLikely()
{
    QFETCH(qint16, level);
    const int sets = level == QuizSetup::Advanced ? 70 : 5; // 8 choose 4, 5 choose 1
    const int runs = sets * 200;
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    RandomEngine engine(13);
    std::map<unsigned, int> seen; // set of right positions as a bit mask -> count
    for (int run = 0; run < runs; ++run) {
        const Question question =
            buildKeywordQuestion(catalogue, StoneIndex(run % StoneCount), level, engine);
        unsigned mask = 0;
        for (int i = 0; i < question.options.size(); ++i) {
            if (question.correctAnswers.contains(question.options[i]))
                mask |= 1u << i;
        }
        ++seen[mask];
    }
    QCOMPARE(int(seen.size()), sets);
    // 200 expected for every set, with a spread of about 14.
    for (const auto &[mask, count] : seen)
        QVERIFY2(count > 140 && count < 260, qPrintable(QString::number(count)));
}

QTEST_APPLESS_MAIN(TestRulesTest)
#include "tst_quizrules.moc"
