#pragma once

#include "quizrecords.h"

// What a screen reader is told of a running test beyond what the page shows.
namespace QuizSpeech {

// What a screen reader adds to a refusal, which does not tell too many ticks from too few:
// "3 ticked, 1 needed."
QString tickCountDetail(QuizLevel level, int tickedCount);
// What a screen reader hears of a new question before its first option: "Question 3, Tiwaz.
// You must choose only 1 option." Only what the page shows: a meanings question does not say
// which face its right answers were drawn for, as the picture is upright whatever the face.
QString questionNews(int number, const QString &stoneName, QuizLevel level);

} // namespace QuizSpeech
