#include "quizrecords.h"

int AnswerSheet::total() const
{
    int sum = 0;
    for (const AnsweredQuestion &answer : answers)
        sum += answer.score;
    return sum;
}
