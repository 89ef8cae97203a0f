#include "catalogue/stonepicturebox.h"
#include "quiz/meaningquestion.h"
#include "quiz/quizscoring.h"
#include "quizscreens/meaningsquizpage.h"
#include "widgets/wrappingcheckbox.h"

#include <QAccessible>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <bit>

Q_DECLARE_METATYPE(StoneTypes)

namespace {

// Every way the stone-type page can be ticked: Upright, Reversed, Merkstave.
void addTypeRows(const char *prefix, int level)
{
    const char *names[] = {"U", "R", "UR", "M", "UM", "RM", "URM"};
    for (int mask = 1; mask < 8; ++mask) {
        const StoneTypes types = StoneTypes::fromInt(mask);
        QTest::addRow("%s%s", prefix, names[mask - 1]) << level << types;
    }
}

// The score of the boxes whose bits are set, by the tests' own scorer.
int scoreOf(const Question &question, unsigned ticks)
{
    QStringList ticked;
    for (int box = 0; box < question.options.size(); ++box) {
        if (ticks & (1u << box))
            ticked << question.options[box];
    }
    return QuizScoring::score(ticked, question.correctAnswers);
}

// The catalogue's own text of a kind (Upright, Reversed, Merkstave), not the builder's lookup.
const QString &catalogueText(const RuneCatalogue &catalogue, MeaningKind kind, StoneIndex stone)
{
    const std::array tables{&catalogue.uprightMeanings, &catalogue.reversedMeanings,
                            &catalogue.merkstaveMeanings};
    return (*tables[static_cast<std::size_t>(kind)])[static_cast<std::size_t>(stone)];
}

} // namespace

class MeaningQuestionTest : public QObject
{
    Q_OBJECT

private slots:
    void kindOdds_data();
    void kindOdds();
    void fairQuestionsAndTheirScores_data();
    void fairQuestionsAndTheirScores();
    void windowShowsQuestions();
};

void MeaningQuestionTest::kindOdds_data()
{
    QTest::addColumn<StoneTypes>("types");
    QTest::addColumn<QList<int>>("thirds"); // chances of Upright, Reversed, Merkstave in thirds
    QTest::newRow("Upright") << StoneTypes::fromInt(1) << QList<int>{3, 0, 0};
    QTest::newRow("Reversed") << StoneTypes::fromInt(2) << QList<int>{0, 3, 0};
    QTest::newRow("Merkstave") << StoneTypes::fromInt(4) << QList<int>{0, 0, 3};
    QTest::newRow("Upright+Reversed") << StoneTypes::fromInt(3) << QList<int>{2, 1, 0};
    QTest::newRow("Upright+Merkstave") << StoneTypes::fromInt(5) << QList<int>{2, 0, 1};
    QTest::newRow("Reversed+Merkstave") << StoneTypes::fromInt(6) << QList<int>{0, 2, 1};
    QTest::newRow("all three") << StoneTypes::fromInt(7) << QList<int>{1, 1, 1};
}

void MeaningQuestionTest::kindOdds()
{
    QFETCH(StoneTypes, types);
    QFETCH(QList<int>, thirds);
    RandomEngine engine(7);
    constexpr int draws = 30000;
    std::array<int, 3> counts{};
    for (int n = 0; n < draws; ++n)
        ++counts[static_cast<std::size_t>(drawMeaningKind(types, engine))];
    for (int kind = 0; kind < 3; ++kind) {
        const double share = static_cast<double>(counts[static_cast<std::size_t>(kind)]) / draws;
        QVERIFY2(qAbs(share - thirds[kind] / 3.0) < 0.015, qPrintable(QString::number(kind)));
    }
}

void MeaningQuestionTest::fairQuestionsAndTheirScores_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<StoneTypes>("types");
    addTypeRows("Beginner ", int(QuizLevel::Beginner));
    addTypeRows("Advanced ", int(QuizLevel::Advanced));
}

// Over many questions about every stone: the right answers are the stone's meanings of the
// chosen kinds, each right text stands in one box, the wrong options are fair, ticking every
// right text scores full marks, and no ticks ever score more.
void MeaningQuestionTest::fairQuestionsAndTheirScores()
{
    QFETCH(int, level);
    QFETCH(StoneTypes, types);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const QuizSetup setup{static_cast<QuizLevel>(level), types};
    const bool advanced = level == int(QuizLevel::Advanced);
    const int boxes = advanced ? 8 : 5;
    const int required = advanced ? 4 : 1;
    RandomEngine engine(static_cast<unsigned>(11 + level * 8 + types.testFlag(StoneType::Upright) +
                                              2 * types.testFlag(StoneType::Reversed)));
    QSet<int> rightPositions;
    QSet<int> wrongKinds;
    // The stones merkstave.txt gives a text of their own: their merkstave answer is never the
    // reversed text.
    QFile merkstaveFile(QStringLiteral(":/meanings/merkstave.txt"));
    QVERIFY(merkstaveFile.open(QIODevice::ReadOnly));
    QSet<int> ownMerkstave;
    for (const QByteArray &line : merkstaveFile.readAll().split('\n')) {
        if (line.startsWith("# "))
            ownMerkstave << line.mid(2, 2).toInt();
    }
    QCOMPARE(ownMerkstave.size(), 7);
    for (int round = 0; round < 30; ++round) {
        int bestTestTotal = 0;
        for (StoneIndex stone = 0; stone < StoneCount; ++stone) {
            const Question question = buildMeaningQuestion(catalogue, stone, setup, engine);
            QCOMPARE(question.correctAnswers.size(), required);
            QCOMPARE(question.options.size(), boxes);
            QCOMPARE(QSet<QString>(question.options.begin(), question.options.end()).size(), boxes);
            QStringList allowed;
            QStringList own;
            for (MeaningKind kind : allMeaningKinds) {
                own << catalogueText(catalogue, kind, stone);
                if (types.testFlag(stoneTypeOf(kind)))
                    allowed << own.last();
            }
            // Each right answer is the meaning of the kind it says it was drawn as.
            QCOMPARE(question.meaningKinds.size(), required);
            for (int n = 0; n < required; ++n) {
                QVERIFY(types.testFlag(stoneTypeOf(question.meaningKinds[n])));
                QCOMPARE(question.correctAnswers[n],
                         catalogueText(catalogue, question.meaningKinds[n], stone));
                if (question.meaningKinds[n] == MeaningKind::Merkstave &&
                    ownMerkstave.contains(stone))
                    QVERIFY(question.correctAnswers[n] != catalogue.reversedMeanings[stone]);
            }
            unsigned rightTicks = 0;
            for (const QString &answer : question.correctAnswers) {
                QVERIFY(allowed.contains(answer));
                QCOMPARE(question.options.count(answer), 1);
                const int position = static_cast<int>(question.options.indexOf(answer));
                rightTicks |= 1u << position;
                rightPositions << position;
            }
            for (const QString &option : question.options) {
                if (question.correctAnswers.contains(option))
                    continue;
                QVERIFY(!own.contains(option));
                for (MeaningKind kind : allMeaningKinds) {
                    for (StoneIndex other = 0; other < StoneCount; ++other) {
                        if (catalogueText(catalogue, kind, other) == option)
                            wrongKinds << int(kind);
                    }
                }
            }
            int best = 0;
            for (unsigned ticks = 0; ticks < (1u << boxes); ++ticks) {
                if (std::popcount(ticks) != required)
                    continue;
                const int score = scoreOf(question, ticks);
                QVERIFY(score <= required);
                if ((ticks & rightTicks) == rightTicks)
                    QCOMPARE(score, required);
                best = qMax(best, score);
            }
            bestTestTotal += best;
        }
        QCOMPARE(bestTestTotal, advanced ? 96 : 24);
    }
    // The right texts move over every box, and wrong options come in every kind whatever the
    // kinds asked.
    QCOMPARE(rightPositions.size(), boxes);
    QCOMPARE(wrongKinds.size(), 3);
}

// Questions at both levels in turn through the real window: what it shows, and that its option
// boxes tick like check boxes by mouse and keyboard and speak their whole text.
void MeaningQuestionTest::windowShowsQuestions()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    RandomEngine engine(3);
    MeaningsQuizPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto text = [&window](const char *name) {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    };
    const QList<QuizLevel> levels{QuizLevel::Advanced, QuizLevel::Beginner, QuizLevel::Advanced};
    for (int n = 0; n < levels.size(); ++n) {
        const auto stone = static_cast<StoneIndex>(5 + n);
        const Question question = buildMeaningQuestion(
            catalogue, stone, QuizSetup{levels[n], StoneTypes::fromInt(7)}, engine);
        window.showQuestion(n + 1, {stone, {}, question.options, {}, {}, 0}, levels[n]);
        QCOMPARE(text("lblMeaningTestStoneName"), catalogue.stoneNames[5 + n]);
        QCOMPARE(text("lblMeaningTestQuestion"), QStringLiteral("Question %1").arg(n + 1));
        QCOMPARE(text("lblMeaningTestCaption"),
                 levels[n] == QuizLevel::Advanced
                     ? QStringLiteral("You must choose 4 options")
                     : QStringLiteral("You must choose only 1 option"));
        QCOMPARE(window.findChild<StonePictureBox *>()->pictureNumber(), stone + 1);
        for (int i = 0; i < MeaningsQuizPage::OptionCount; ++i) {
            WrappingCheckBox *box = window.optionBox(i);
            const bool inUse = i < question.options.size();
            QCOMPARE(box->isVisible(), inUse);
            QCOMPARE(
                window.findChild<QFrame *>(QStringLiteral("shaMeaning_%1").arg(i))->isVisible(),
                inUse);
            QVERIFY(!box->isChecked());
            if (!inUse)
                continue;
            QCOMPARE(box->text(), question.options[i]);
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(spoken->role(), QAccessible::CheckBox);
            QCOMPARE(spoken->text(QAccessible::Name), question.options[i]);
        }
        // Tick the first box with the mouse on its text, the last with Space, and untick it.
        QSignalSpy clicks(window.optionBox(0), &QAbstractButton::clicked);
        QTest::mouseClick(window.optionBox(0), Qt::LeftButton, {},
                          QPoint(window.optionBox(0)->width() - 200, 20));
        QVERIFY(window.optionBox(0)->isChecked());
        QCOMPARE(clicks.size(), 1);
        WrappingCheckBox *last = window.optionBox(static_cast<int>(question.options.size()) - 1);
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Space);
        QVERIFY(last->isChecked());
        QTest::keyClick(last, Qt::Key_Space);
        QVERIFY(!last->isChecked());
        QTest::keyClick(last, Qt::Key_Space);
    }
    QCOMPARE(window.nextButton()->objectName(), QStringLiteral("cmdNextQuestion1"));
}

QTEST_MAIN(MeaningQuestionTest)
#include "tst_meaningquestion.moc"
