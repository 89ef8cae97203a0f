#include "catalogue/runecatalogue.h"
#include "quiz/keywordquestion.h"
#include "quiz/quizrules.h"
#include "quiz/quizsession.h"

#include <QSet>
#include <QTest>

#include <map>
#include <numeric>

Q_DECLARE_METATYPE(QuizSubject)

namespace {

using Step = QuizSession::NextStep::Kind;

// The boxes of the question on screen whose options are right, or wrong.
QList<int> boxes(const QuizSession &session, bool right)
{
    QList<int> found;
    const AnsweredQuestion &question = session.question();
    for (int i = 0; i < question.options.size(); ++i) {
        if (question.correctAnswers.contains(question.options[i]) == right)
            found << i;
    }
    return found;
}

// "URM" letters as the stone-type page's boxes.
std::array<bool, 3> stoneTypes(const QString &letters)
{
    return {letters.contains('U'), letters.contains('R'), letters.contains('M')};
}

} // namespace

// The rules of a running test: the question order, the make-up of keywords questions, and what
// "Next" does with the ticks through to the result.
class TestRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void shuffle_isAUniformPermutation();
    void tickCounts_data();
    void tickCounts();
    void pressNext_data();
    void pressNext();
    void wholeTest_data();
    void wholeTest();
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
    QuizSession session(engine);
    std::array<std::array<int, QuestionCount>, StoneCount> landed{};
    for (int run = 0; run < runs; ++run) {
        session.startTest(QuizSubject::Keywords, QuizSetup::Beginner);
        QSet<int> seen;
        for (int position = 0; position < QuestionCount; ++position) {
            const int stone = session.sheet().answers[position].stone;
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

void TestRulesTest::tickCounts_data()
{
    QTest::addColumn<qint16>("level");
    QTest::addColumn<QStringList>("messages"); // for 0 ticks, 1 tick and so on; empty: scored
    const QString one = QStringLiteral("You can select 1 option");
    const QString four = QStringLiteral("You can select 4 options");
    QTest::newRow("beginner") << qint16(QuizSetup::Beginner)
                              << QStringList{"You must select 1 option", "", one, one, one, one};
    QTest::newRow("advanced") << qint16(QuizSetup::Advanced)
                              << QStringList{four, four, four, four, "", four, four, four, four};
}

// Any count of ticks but the level's is refused, and the question stays as it was for the user to
// correct.
void TestRulesTest::tickCounts()
{
    QFETCH(qint16, level);
    QFETCH(QStringList, messages);
    RandomEngine engine(3);
    QuizSession session(engine);
    for (int count = 0; count < messages.size(); ++count) {
        session.startTest(QuizSubject::Keywords, level);
        session.pressNext({});
        const QStringList options = session.question().options;
        QList<int> ticked(count);
        std::iota(ticked.begin(), ticked.end(), 0);
        const QuizSession::NextStep step = session.pressNext(ticked);
        QCOMPARE(step.text, messages[count]);
        QCOMPARE(step.kind, messages[count].isEmpty() ? Step::ShowQuestion : Step::Refused);
        QCOMPARE(session.questionNo(), messages[count].isEmpty() ? 2 : 1);
        if (messages[count].isEmpty())
            continue;
        QCOMPARE(session.question().options, options);
        QVERIFY(session.sheet().answers[0].ticked.isEmpty());
        QCOMPARE(session.sheet().total(), 0);
    }
}

void TestRulesTest::pressNext_data()
{
    QTest::addColumn<QuizSubject>("subject");
    QTest::addColumn<qint16>("level");
    QTest::addColumn<QString>("types"); // of the meanings test
    QTest::addColumn<int>("right");     // right boxes ticked
    QTest::addColumn<int>("wrong");     // wrong boxes ticked
    QTest::addColumn<QString>("scoreLine");
    const auto row = [](const char *name, QuizSubject subject, qint16 level, const char *types,
                        int right, int wrong, const char *scoreLine) {
        QTest::newRow(name) << subject << level << QString::fromLatin1(types) << right << wrong
                            << QString::fromLatin1(scoreLine);
    };
    const auto keywords = QuizSubject::Keywords;
    const qint16 beginner = QuizSetup::Beginner;
    const qint16 advanced = QuizSetup::Advanced;
    row("beginner, right", keywords, beginner, "", 1, 0, "1 Correct Out of 1");
    row("beginner, wrong", keywords, beginner, "", 0, 1, "0 Correct Out of 1");
    row("advanced, three right", keywords, advanced, "", 3, 1, "3 Correct Out of 4");
    row("advanced, all right", keywords, advanced, "", 4, 0, "4 Correct Out of 4");
    row("advanced, all wrong", keywords, advanced, "", 0, 4, "0 Correct Out of 4");
    // With one kind, the four right answers are one text in one box, which earns all four.
    row("meanings, one text right four times", QuizSubject::Meanings, advanced, "R", 1, 3,
        "4 Correct Out of 4");
}

// One point for each right answer equal to a ticked option, and the ticks kept with the answer.
void TestRulesTest::pressNext()
{
    QFETCH(QuizSubject, subject);
    QFETCH(qint16, level);
    QFETCH(QString, types);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, scoreLine);
    RandomEngine engine(3);
    QuizSession session(engine);
    session.setStoneTypes(stoneTypes(types));
    session.startTest(subject, level);
    QCOMPARE(session.pressNext({}).kind, Step::ShowQuestion);
    const int boxCount = QuizRules::optionCount(level);
    const QList<int> ticked =
        boxes(session, true).first(right) + boxes(session, false).first(wrong);

    QCOMPARE(session.pressNext(ticked).kind, Step::ShowQuestion);
    const AnsweredQuestion &first = session.sheet().answers[0];
    QCOMPARE(session.questionNo(), 2);
    QCOMPARE(QuizRules::scoreLine(level, first.score), scoreLine);
    QCOMPARE(session.sheet().total(), first.score);
    QCOMPARE(first.ticked.size(), boxCount);
    for (int i = 0; i < boxCount; ++i)
        QCOMPARE(first.ticked[i], ticked.contains(i));
}

void TestRulesTest::wholeTest_data()
{
    QTest::addColumn<QuizSubject>("subject");
    QTest::addColumn<qint16>("level");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QString>("total");
    const auto row = [](const char *name, QuizSubject subject, qint16 level, const char *types,
                        const char *total) {
        QTest::newRow(name) << subject << level << QString::fromLatin1(types)
                            << QString::fromLatin1(total);
    };
    const auto keywords = QuizSubject::Keywords;
    const auto meanings = QuizSubject::Meanings;
    // Every answer right but the last, which is all wrong.
    row("keywords, beginner", keywords, QuizSetup::Beginner, "", "23 Correct Out Of  24 Keywords");
    row("keywords, advanced", keywords, QuizSetup::Advanced, "", "92 Correct Out Of  96 Keywords");
    row("meanings, beginner", meanings, QuizSetup::Beginner, "U",
        "23 Correct Out Of  24 Descriptions");
    row("meanings, advanced", meanings, QuizSetup::Advanced, "RM",
        "92 Correct Out Of  96 Descriptions");
}

// From the start to the result, which the answers of the finished test keep; a test left half
// way afterwards changes none of it.
void TestRulesTest::wholeTest()
{
    QFETCH(QuizSubject, subject);
    QFETCH(qint16, level);
    QFETCH(QString, types);
    QFETCH(QString, total);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const int required = QuizRules::requiredTicks(level);
    RandomEngine engine(5);
    QuizSession session(engine);
    session.setStoneTypes(stoneTypes(types));
    session.startTest(subject, level);
    QCOMPARE(session.questionNo(), 0);
    QuizSession::NextStep step = session.pressNext({});
    for (int question = 1; question <= QuestionCount; ++question) {
        QCOMPARE(step.kind, Step::ShowQuestion);
        QCOMPARE(session.questionNo(), question);
        const QList<int> right = question == QuestionCount ? QList<int>() : boxes(session, true);
        step = session.pressNext(right + boxes(session, false).first(required - right.size()));
    }
    QCOMPARE(step.kind, Step::Finished);
    // Over: "Next" changes nothing more, however many boxes are ticked.
    QCOMPARE(session.pressNext(QList<int>{0, 1, 2, 3}.first(required)).kind, Step::Refused);
    QVERIFY(!session.runs(subject));
    QCOMPARE(session.questionNo(), QuestionCount);
    QCOMPARE(session.sheet().total(), 0);

    QVERIFY(session.lastFinished());
    const AnswerSheet sheet = *session.lastFinished();
    QCOMPARE(sheet.subject, subject);
    QCOMPARE(sheet.level, level);
    QCOMPARE(sheet.stoneTypes, stoneTypes(types)); // none for the keywords test
    const QStringList lines = step.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 26);
    for (int i = 0; i < QuestionCount; ++i) {
        const QString &name = catalogue.stoneNames[sheet.answers[i].stone];
        QCOMPARE(sheet.answers[i].ticked.count(true), required);
        // The score line starts at character 44, whatever the name.
        QCOMPARE(lines[i], QStringLiteral("%1.          ").arg(i + 1, 2, 10, QLatin1Char('0')) +
                               name + QString(30 - name.size(), QLatin1Char(' ')) +
                               QuizRules::scoreLine(level, i < 23 ? required : 0));
    }
    QCOMPARE(lines[24], QString(99, QLatin1Char('-')));
    QCOMPARE(lines[25], total);

    session.startTest(subject, level);
    session.pressNext({});
    session.pressNext(boxes(session, false).first(required));
    QCOMPARE(session.questionNo(), 2);
    QCOMPARE(session.sheet().total(), 0);
    QCOMPARE(QuizRules::resultText(catalogue, *session.lastFinished()), step.text);
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
