#include "quizrecords.h"

#include "quizscoring.h"

QString subjectName(QuizSubject subject)
{
    return subject == QuizSubject::Meanings ? QStringLiteral("Meanings")
                                            : QStringLiteral("Keywords");
}

QString subjectTitle(QuizSubject subject)
{
    return subject == QuizSubject::Meanings ? QStringLiteral("Stone Meanings")
                                            : QStringLiteral("Stone Keywords");
}

QString levelName(QuizLevel level)
{
    return level == QuizLevel::Advanced ? QStringLiteral("Advanced") : QStringLiteral("Beginner");
}

QString kindName(QuizSubject subject, QuizLevel level)
{
    return QStringLiteral("%1 %2").arg(subjectName(subject), levelName(level));
}

int AnswerSheet::total() const
{
    int sum = 0;
    for (const AnsweredQuestion &answer : answers)
        sum += answer.score;
    return sum;
}

int AnswerSheet::most() const
{
    return QuestionCount * QuizScoring::requiredTicks(level);
}

int PracticeRound::total() const
{
    int sum = 0;
    for (const PracticeAnswer &answer : answers)
        sum += answer.question.score;
    return sum;
}

int PracticeRound::most() const
{
    return int(answers.size()) * QuizScoring::requiredTicks(level);
}
