#include "catalogue/runecatalogue.h"
#include "quiz/keywordquestion.h"
#include "quiz/quizresultfile.h"
#include "quiz/quizscoring.h"
#include "quiz/quizsession.h"

#include <QSet>
#include <QTest>

#include <map>
#include <numeric>

Q_DECLARE_METATYPE(QuizSubject)
Q_DECLARE_METATYPE(QuizLevel)

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
StoneTypes stoneTypes(const QString &letters)
{
    StoneTypes types;
    types.setFlag(StoneType::Upright, letters.contains('U'));
    types.setFlag(StoneType::Reversed, letters.contains('R'));
    types.setFlag(StoneType::Merkstave, letters.contains('M'));
    return types;
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
    void resultText_data();
    void resultText();
    void practiceRound_data() { levels(); }
    void practiceRound();
    void keywordQuestion_isFair_data() { levels(); }
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
        session.startTest(QuizSubject::Keywords, QuizLevel::Beginner);
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
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QStringList>("messages"); // for 0 ticks, 1 tick and so on; empty: scored
    const QString one = QStringLiteral("You can select 1 option");
    const QString four = QStringLiteral("You can select 4 options");
    QTest::newRow("beginner") << QuizLevel::Beginner
                              << QStringList{"You must select 1 option", "", one, one, one, one};
    QTest::newRow("advanced") << QuizLevel::Advanced
                              << QStringList{four, four, four, four, "", four, four, four, four};
}

// Any count of ticks but the level's is refused, and the question stays as it was for the user to
// correct.
void TestRulesTest::tickCounts()
{
    QFETCH(QuizLevel, level);
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
        QCOMPARE(step.refusal, messages[count]);
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
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QString>("types"); // of the meanings test
    QTest::addColumn<int>("right");     // right boxes ticked
    QTest::addColumn<int>("wrong");     // wrong boxes ticked
    QTest::addColumn<QString>("scoreLine");
    const auto row = [](const char *name, QuizSubject subject, QuizLevel level, const char *types,
                        int right, int wrong, const char *scoreLine) {
        QTest::newRow(name) << subject << level << QString::fromLatin1(types) << right << wrong
                            << QString::fromLatin1(scoreLine);
    };
    const auto keywords = QuizSubject::Keywords;
    const QuizLevel beginner = QuizLevel::Beginner;
    const QuizLevel advanced = QuizLevel::Advanced;
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
    QFETCH(QuizLevel, level);
    QFETCH(QString, types);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, scoreLine);
    RandomEngine engine(3);
    QuizSession session(engine);
    session.setStoneTypes(stoneTypes(types));
    session.startTest(subject, level);
    QCOMPARE(session.pressNext({}).kind, Step::ShowQuestion);
    const int boxCount = level == QuizLevel::Advanced ? 8 : 5;
    const QList<int> ticked =
        boxes(session, true).first(right) + boxes(session, false).first(wrong);

    QCOMPARE(session.pressNext(ticked).kind, Step::ShowQuestion);
    const AnsweredQuestion &first = session.sheet().answers[0];
    QCOMPARE(session.questionNo(), 2);
    QCOMPARE(QuizScoring::scoreLine(level, first.score), scoreLine);
    QCOMPARE(session.sheet().total(), first.score);
    QCOMPARE(first.ticked.size(), boxCount);
    for (int i = 0; i < boxCount; ++i)
        QCOMPARE(first.ticked[i], ticked.contains(i));
}

void TestRulesTest::wholeTest_data()
{
    QTest::addColumn<QuizSubject>("subject");
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QString>("total");
    const auto row = [](const char *name, QuizSubject subject, QuizLevel level, const char *types,
                        const char *total) {
        QTest::newRow(name) << subject << level << QString::fromLatin1(types)
                            << QString::fromLatin1(total);
    };
    const auto keywords = QuizSubject::Keywords;
    const auto meanings = QuizSubject::Meanings;
    // Every answer right but the last, which is all wrong.
    row("keywords, beginner", keywords, QuizLevel::Beginner, "", "23 Correct Out Of  24 Keywords");
    row("keywords, advanced", keywords, QuizLevel::Advanced, "", "92 Correct Out Of  96 Keywords");
    row("meanings, beginner", meanings, QuizLevel::Beginner, "U",
        "23 Correct Out Of  24 Descriptions");
    row("meanings, advanced", meanings, QuizLevel::Advanced, "RM",
        "92 Correct Out Of  96 Descriptions");
}

// From the start to the finished test, which keeps every answer; a test left half way afterwards
// changes none of it.
void TestRulesTest::wholeTest()
{
    QFETCH(QuizSubject, subject);
    QFETCH(QuizLevel, level);
    QFETCH(QString, types);
    QFETCH(QString, total);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const int required = level == QuizLevel::Advanced ? 4 : 1;
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
    for (int i = 0; i < QuestionCount; ++i) {
        QCOMPARE(sheet.answers[i].ticked.count(true), required);
        QCOMPARE(sheet.answers[i].score, i < 23 ? required : 0);
    }
    const QString result = QuizResultFile::text(catalogue, sheet);
    QVERIFY(result.endsWith(QStringLiteral("\r\n") + total));

    session.startTest(subject, level);
    session.pressNext({});
    session.pressNext(boxes(session, false).first(required));
    QCOMPARE(session.questionNo(), 2);
    QCOMPARE(session.sheet().total(), 0);
    QCOMPARE(QuizResultFile::text(catalogue, *session.lastFinished()), result);
}

void TestRulesTest::resultText_data()
{
    QTest::addColumn<QuizSubject>("subject");
    QTest::addColumn<QuizLevel>("level");
    QTest::addColumn<int>("score");     // of questions 1 to 23
    QTest::addColumn<int>("lastScore"); // of question 24
    QTest::addColumn<QString>("first"); // the line of question 1, about Othala
    QTest::addColumn<QString>("last");  // the line of question 24, about Fehu
    QTest::addColumn<QString>("total");
    QTest::newRow("keywords, beginner")
        << QuizSubject::Keywords << QuizLevel::Beginner << 1 << 0
        << "01.          Othala                        1 Correct Out of 1"
        << "24.          Fehu                          0 Correct Out of 1"
        << "23 Correct Out Of  24 Keywords";
    QTest::newRow("keywords, advanced")
        << QuizSubject::Keywords << QuizLevel::Advanced << 3 << 4
        << "01.          Othala                        3 Correct Out of 4"
        << "24.          Fehu                          4 Correct Out of 4"
        << "73 Correct Out Of  96 Keywords";
    QTest::newRow("meanings, beginner")
        << QuizSubject::Meanings << QuizLevel::Beginner << 0 << 1
        << "01.          Othala                        0 Correct Out of 1"
        << "24.          Fehu                          1 Correct Out of 1"
        << "1 Correct Out Of  24 Descriptions";
    QTest::newRow("meanings, advanced")
        << QuizSubject::Meanings << QuizLevel::Advanced << 4 << 2
        << "01.          Othala                        4 Correct Out of 4"
        << "24.          Fehu                          2 Correct Out of 4"
        << "94 Correct Out Of  96 Descriptions";
}

// The result text of a finished test, stones asked from Othala back to Fehu: 26 lines, CR LF
// between them and none after the last; the score lines start at character 44 whatever the
// stone's name.
void TestRulesTest::resultText()
{
    QFETCH(QuizSubject, subject);
    QFETCH(QuizLevel, level);
    QFETCH(int, score);
    QFETCH(int, lastScore);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, total);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    AnswerSheet sheet{subject, level, {}, {}};
    for (int i = 0; i < QuestionCount; ++i)
        sheet.answers[i] = {StoneIndex(23 - i), {}, {}, {}, {}, qint16(i < 23 ? score : lastScore)};

    const QString text = QuizResultFile::text(catalogue, sheet);
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines[0], first);
    QCOMPARE(lines[23], last);
    const QString perQuestion = level == QuizLevel::Advanced ? QStringLiteral(" Correct Out of 4")
                                                             : QStringLiteral(" Correct Out of 1");
    for (int i = 0; i < QuestionCount; ++i) {
        QCOMPARE(lines[i].left(13),
                 QStringLiteral("%1.          ").arg(i + 1, 2, 10, QLatin1Char('0')));
        QCOMPARE(lines[i].mid(13, 30).trimmed(), catalogue.stoneNames[23 - i]);
        QCOMPARE(lines[i].mid(43), QString::number(sheet.answers[i].score) + perQuestion);
    }
    QCOMPARE(lines[24], QString(99, QLatin1Char('-')));
    QCOMPARE(lines[25], total);
}

// A round asks its items in the order given, each as its subject's test would, scores them as a
// test does and ends after the last; it is no test, so no test's result changes.
void TestRulesTest::practiceRound()
{
    QFETCH(QuizLevel, level);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const int required = QuizScoring::requiredTicks(level);
    const auto keywords = QuizSubject::Keywords;
    const auto meanings = QuizSubject::Meanings;
    QList<PracticeAnswer> items{{meanings, {}}, {keywords, {}}, {keywords, {}}, {meanings, {}}};
    const QList<StoneIndex> stones{5, 0, 23, 11};
    for (int i = 0; i < items.size(); ++i)
        items[i].question.stone = stones[i];
    RandomEngine engine(8);
    QuizSession session(engine);
    session.startPractice({}, level);
    QVERIFY(!session.runs(keywords) && !session.runs(meanings));

    session.setStoneTypes(stoneTypes("UR"));
    session.startPractice(items, level);
    QuizSession::NextStep step = session.pressNext({});
    for (int q = 1; q <= items.size(); ++q) {
        QCOMPARE(step.kind, Step::ShowQuestion);
        QCOMPARE(session.questionNo(), q);
        const QuizSubject subject = items[q - 1].subject;
        const StoneIndex stone = stones[q - 1];
        QVERIFY(session.runs(subject));
        QVERIFY(!session.runs(subject == keywords ? meanings : keywords));
        const AnsweredQuestion &question = session.question();
        QCOMPARE(question.stone, stone);
        QCOMPARE(question.options.size(), QuizScoring::optionCount(level));
        for (const QString &right : question.correctAnswers) {
            QVERIFY2(subject == keywords ? catalogue.keywordsOf(stone).contains(right)
                                         : right == catalogue.uprightMeanings[stone] ||
                                               right == catalogue.reversedMeanings[stone],
                     qPrintable(right));
        }
        QCOMPARE(session.pressNext({}).kind, Step::Refused);
        // All right but the last, which is all wrong.
        const QList<int> right = q == items.size() ? QList<int>() : boxes(session, true);
        step = session.pressNext(right + boxes(session, false).first(required - right.size()));
    }
    QCOMPARE(step.kind, Step::Finished);
    QVERIFY(!session.runs(keywords) && !session.runs(meanings));
    QVERIFY(!session.lastFinished());
    const PracticeRound &round = session.round();
    QCOMPARE(round.level, level);
    QCOMPARE(round.stoneTypes, stoneTypes("UR"));
    QCOMPARE(round.answers[3].subject, meanings);
    QCOMPARE(round.total(), 3 * required);
    QCOMPARE(round.most(), 4 * required);
}

void TestRulesTest::levels()
{
    QTest::addColumn<QuizLevel>("level");
    QTest::newRow("beginner") << QuizLevel::Beginner;
    QTest::newRow("advanced") << QuizLevel::Advanced;
}

void TestRulesTest::keywordQuestion_isFair()
{
    QFETCH(QuizLevel, level);
    const bool advanced = level == QuizLevel::Advanced;
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
    QFETCH(QuizLevel, level);
    const int sets = level == QuizLevel::Advanced ? 70 : 5; // 8 choose 4, 5 choose 1
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
