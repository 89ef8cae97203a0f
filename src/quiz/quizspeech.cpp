#include "quizspeech.h"

#include "quizscoring.h"

#include <QCoreApplication>

namespace QuizSpeech {

QString tickCountDetail(QuizLevel level, int tickedCount)
{
    const int needed = QuizScoring::requiredTicks(level);
    if (tickedCount == 0)
        return QCoreApplication::translate("QuizSpeech", "None ticked, %1 needed.").arg(needed);
    return QCoreApplication::translate("QuizSpeech", "%1 ticked, %2 needed.")
        .arg(tickedCount)
        .arg(needed);
}

QString questionNews(int number, const QString &stoneName, QuizLevel level)
{
    //: %1 is the question's number, %2 the stone's name, %3 what the question asks to tick
    return QCoreApplication::translate("QuizSpeech", "Question %1, %2. %3.")
        .arg(QString::number(number), stoneName, QuizScoring::instruction(level));
}

} // namespace QuizSpeech
