#include "quizrecords.h"

#include "quizrules.h"

int AnswerSheet::total() const
{
    int sum = 0;
    for (const AnsweredQuestion &answer : answers)
        sum += answer.score;
    return sum;
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
    return int(answers.size()) * QuizRules::requiredTicks(level);
}
