#include "quizspeech.h"

#include "quizscoring.h"

namespace QuizSpeech {

QString tickCountDetail(QuizLevel level, int tickedCount)
{
    return QStringLiteral("%1 ticked, %2 needed.")
        .arg(tickedCount ? QString::number(tickedCount) : QStringLiteral("None"))
        .arg(QuizScoring::requiredTicks(level));
}

QString questionNews(int number, const QString &stoneName, QuizLevel level)
{
    return QStringLiteral("Question %1, %2. ").arg(number).arg(stoneName) +
           QuizScoring::instruction(level) + QLatin1Char('.');
}

} // namespace QuizSpeech
