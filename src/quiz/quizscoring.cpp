#include "quizscoring.h"

#include <QCoreApplication>

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
    return level == QuizLevel::Advanced
               ? QCoreApplication::translate("QuizScoring", "You must choose 4 options")
               : QCoreApplication::translate("QuizScoring", "You must choose only 1 option");
}

QString tickCountMessage(QuizLevel level, int tickedCount)
{
    if (level == QuizLevel::Advanced)
        return tickedCount == 4
                   ? QString()
                   : QCoreApplication::translate("QuizScoring", "You can select 4 options");
    if (tickedCount > 1)
        return QCoreApplication::translate("QuizScoring", "You can select 1 option");
    if (tickedCount == 0)
        return QCoreApplication::translate("QuizScoring", "You must select 1 option");
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
    //: %1 is the question's score, %2 the most it can score (1 or 4)
    return QCoreApplication::translate("QuizScoring", "%1 Correct Out of %2")
        .arg(score)
        .arg(requiredTicks(level));
}

} // namespace QuizScoring
