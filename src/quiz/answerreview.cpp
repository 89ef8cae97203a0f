#include "answerreview.h"

#include "catalogue/runecatalogue.h"
#include "quizrules.h"

#include <QCoreApplication>

namespace AnswerReview {

Mark mark(const AnsweredQuestion &answer, int option)
{
    const bool right = answer.correctAnswers.contains(answer.options.value(option));
    const bool ticked = answer.ticked.value(option);
    if (right)
        return ticked ? Mark::RightTicked : Mark::RightMissed;
    return ticked ? Mark::WrongTicked : Mark::WrongUnticked;
}

QString markName(Mark mark)
{
    switch (mark) {
    case Mark::RightTicked:
        return QStringLiteral("Right and ticked");
    case Mark::RightMissed:
        return QStringLiteral("Right and missed");
    case Mark::WrongTicked:
        return QStringLiteral("Wrong and ticked");
    case Mark::WrongUnticked:
        break;
    }
    return QStringLiteral("Not ticked");
}

bool isMistake(const AnsweredQuestion &answer, qint16 level)
{
    return answer.score < QuizRules::requiredTicks(level);
}

QString rowName(const RuneCatalogue &catalogue, const AnsweredQuestion &answer, qint16 level)
{
    int missed = 0;
    int wrong = 0;
    for (int i = 0; i < answer.options.size(); ++i) {
        const Mark shown = mark(answer, i);
        missed += shown == Mark::RightMissed;
        wrong += shown == Mark::WrongTicked;
    }
    QStringList summary;
    if (missed)
        summary << QStringLiteral("%1 right and missed").arg(missed);
    if (wrong)
        summary << QStringLiteral("%1 wrong and ticked").arg(wrong);
    if (summary.isEmpty())
        summary << QStringLiteral("all right");
    return QStringLiteral("%1, %2 of %3: %4")
        .arg(catalogue.stoneNames[answer.stone])
        .arg(answer.score)
        .arg(QuizRules::requiredTicks(level))
        .arg(summary.join(QLatin1String(", ")));
}

QString rowDescription(const AnsweredQuestion &answer, int number)
{
    QStringList lines{QStringLiteral("Question %1").arg(number)};
    for (int i = 0; i < answer.options.size(); ++i) {
        if (mark(answer, i) != Mark::WrongUnticked)
            lines << optionName(answer, i);
    }
    return lines.join(QLatin1Char('\n'));
}

QString optionName(const AnsweredQuestion &answer, int option)
{
    QString text = answer.options.value(option);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return markName(mark(answer, option)) + QStringLiteral(": ") + text;
}

QString title(const AnswerSheet &sheet)
{
    int total = 0;
    for (const AnsweredQuestion &answer : sheet.answers)
        total += answer.score;
    return QStringLiteral("%1, %2: %3 Correct Out Of %4")
        .arg(sheet.subject == QuizSubject::Keywords ? QStringLiteral("Stone Keywords")
                                                    : QStringLiteral("Stone Meanings"))
        .arg(sheet.level == QuizSetup::Advanced ? QStringLiteral("Advanced")
                                                : QStringLiteral("Beginner"))
        .arg(total)
        .arg(QuestionCount * QuizRules::requiredTicks(sheet.level));
}

QString title(const PracticeRound &round)
{
    return QCoreApplication::translate("AnswerReview", "Practice Round, %1: %2 Correct Out Of %3")
        .arg(round.level == QuizSetup::Advanced ? QStringLiteral("Advanced")
                                                : QStringLiteral("Beginner"))
        .arg(round.total())
        .arg(round.most());
}

} // namespace AnswerReview
