#include "quizscoring.h"

namespace QuizScoring {

int optionCount(QuizLevel level)
{
    return level == QuizLevel::Advanced ? 8 : 5;
}

int requiredTicks(QuizLevel level)
{
    return level == QuizLevel::Advanced ? 4 : 1;
}

QString instruction(QuizLevel level)
{
    return level == QuizLevel::Advanced ? QStringLiteral("You must choose 4 options")
                                        : QStringLiteral("You must choose only 1 option");
}

QString tickCountMessage(QuizLevel level, int tickedCount)
{
    if (level == QuizLevel::Advanced)
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

QString scoreLine(QuizLevel level, int score)
{
    return QString::number(score) + (level == QuizLevel::Advanced
                                         ? QStringLiteral(" Correct Out of 4")
                                         : QStringLiteral(" Correct Out of 1"));
}

} // namespace QuizScoring
