#include "quizrules.h"

#include "catalogue/runecatalogue.h"
#include "platform/filesaving.h"

#include <QFileInfo>
#include <QStringEncoder>

#include <numeric>
#include <utility>

namespace QuizRules {

int optionCount(qint16 level)
{
    return level == QuizSetup::Advanced ? 8 : 5;
}

int requiredTicks(qint16 level)
{
    return level == QuizSetup::Advanced ? 4 : 1;
}

QString instruction(qint16 level)
{
    return level == QuizSetup::Advanced ? QStringLiteral("You must choose 4 options")
                                        : QStringLiteral("You must choose only 1 option");
}

QString tickCountMessage(qint16 level, int tickedCount)
{
    if (level == QuizSetup::Advanced)
        return tickedCount == 4 ? QString() : QStringLiteral("You can select 4 options");
    if (tickedCount > 1)
        return QStringLiteral("You can select 1 option");
    if (tickedCount == 0)
        return QStringLiteral("You must select 1 option");
    return {};
}

qint16 score(const QStringList &tickedCaptions, const QStringList &correctAnswers)
{
    qint16 points = 0;
    for (const QString &caption : tickedCaptions)
        points = static_cast<qint16>(points + correctAnswers.count(caption));
    return points;
}

QString scoreLine(qint16 level, int score)
{
    return QString::number(score) + (level == QuizSetup::Advanced
                                         ? QStringLiteral(" Correct Out of 4")
                                         : QStringLiteral(" Correct Out of 1"));
}

QString resultText(const RuneCatalogue &catalogue, const QuizState &state, qint16 level,
                   QuizSubject subject)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    for (int i = 0; i < QuestionCount; ++i) {
        text += QStringLiteral("%1.").arg(i + 1, 2, 10, QLatin1Char('0'));
        text += QString(10, QLatin1Char(' '));
        text += catalogue.stoneNames[state.questionOrder[i]].leftJustified(30);
        text += state.questionResults[i] + lineEnd;
    }
    text += QString(99, QLatin1Char('-')) + lineEnd;
    text += QString::number(state.totalScore) + QStringLiteral(" Correct Out Of ");
    const bool advanced = level == QuizSetup::Advanced;
    if (subject == QuizSubject::Keywords)
        text += advanced ? QStringLiteral(" 96 Keywords") : QStringLiteral(" 24 Keywords");
    else
        text += advanced ? QStringLiteral(" 96 Descriptions") : QStringLiteral(" 24 Descriptions");
    return text;
}

void startTest(QuizRecords &records, QuizSubject subject, qint16 level, RandomEngine &engine)
{
    shuffleQuestionOrder(records.state, engine);
    records.setup.level = level;
    records.state.questionScore = 0;
    records.state.totalScore = 0;
    records.state.questionNo(subject) = 0;
}

NextStep pressNext(QuizRecords &records, QuizSubject subject, const QStringList &tickedCaptions,
                   const RuneCatalogue &catalogue)
{
    QuizState &state = records.state;
    const qint16 level = records.setup.level;
    qint16 &question = state.questionNo(subject);
    if (question == 0) {
        question = 1;
        return {};
    }
    const QString refusal = tickCountMessage(level, static_cast<int>(tickedCaptions.size()));
    if (!refusal.isEmpty())
        return {NextStep::Kind::Refused, refusal};

    const QStringList compared = state.correctAnswers.mid(0, requiredTicks(level));
    state.questionScore = score(tickedCaptions, compared);
    state.questionResults[question - 1] = scoreLine(level, state.questionScore);
    state.totalScore = static_cast<qint16>(state.totalScore + state.questionScore);
    AnsweredQuestion &answer = state.answers[question - 1];
    answer = {state.questionOrder[question - 1],  state.options, {}, compared, state.questionScore,
              state.questionResults[question - 1]};
    // The options of a question are distinct, so a ticked caption names its box.
    for (const QString &option : state.options)
        answer.ticked << tickedCaptions.contains(option);
    if (question < QuestionCount) {
        ++question;
        return {};
    }
    records.lastFinished = AnswerSheet{subject, level, state.answers};
    NextStep finished{NextStep::Kind::Finished, resultText(catalogue, state, level, subject)};
    state.questionScore = 0;
    state.totalScore = 0;
    return finished;
}

QString withTextSuffix(const QString &fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + QStringLiteral(".txt");
}

QString saveResult(const QString &path, const QString &resultText)
{
    QStringEncoder encode(QStringEncoder::System);
    const QByteArray content = QByteArray(encode(resultText)) + "\r\n";
    return FileSaving::replace(path, content);
}

} // namespace QuizRules

void shuffleQuestionOrder(QuizState &state, RandomEngine &engine)
{
    auto &order = state.questionOrder;
    std::iota(order.begin(), order.end(), StoneIndex{0});
    // Fisher-Yates from the back: each position takes one of the stones not yet placed.
    for (int i = QuestionCount - 1; i > 0; --i)
        std::swap(order[i], order[randomBelow(engine, i + 1)]);
}

Question layOutQuestion(const QStringList &correctAnswers, int optionCount,
                        const QStringList &excluded, const std::function<QString()> &drawDistractor,
                        RandomEngine &engine)
{
    // The first draws of a Fisher-Yates shuffle of the positions: every ordered choice, and with
    // it every set of positions, is equally likely.
    QList<int> positions(optionCount);
    std::iota(positions.begin(), positions.end(), 0);
    Question question{correctAnswers, QStringList(optionCount)};
    for (int i = 0; i < correctAnswers.size(); ++i) {
        std::swap(positions[i], positions[i + randomBelow(engine, optionCount - i)]);
        question.options[positions[i]] = correctAnswers[i];
    }
    for (qsizetype i = correctAnswers.size(); i < optionCount; ++i) {
        QString text;
        do
            text = drawDistractor();
        while (excluded.contains(text) || question.options.contains(text));
        question.options[positions[i]] = text;
    }
    return question;
}
