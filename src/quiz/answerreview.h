#pragma once

#include "quizrecords.h"

struct RuneCatalogue;

// What the review of a finished test says about each answer, in words a screen reader speaks as
// well as the window shows. Plain logic over the answer sheet.
namespace AnswerReview {

// How one option of an answered question turned out.
enum class Mark { RightTicked, RightMissed, WrongTicked, WrongUnticked };

Mark mark(const AnsweredQuestion &answer, int option);
// "Right and ticked", "Right and missed", "Wrong and ticked" or "Not ticked".
QString markName(Mark mark);

// Less than full marks: a right text was left unticked. A wrong tick alone is no mistake when
// a right text counted twice made up for it.
bool isMistake(const AnsweredQuestion &answer, qint16 level);

// "Fehu, 3 of 4: 1 right and missed, 1 wrong and ticked", or "..., all right".
QString rowName(const RuneCatalogue &catalogue, const AnsweredQuestion &answer, qint16 level);
// The question number, then every marked option by its spoken name, one a line.
QString rowDescription(const AnsweredQuestion &answer, int number);
// "Right and missed: " and the option's text.
QString optionName(const AnsweredQuestion &answer, int option);

// "Stone Keywords, Beginner: 23 Correct Out Of 24".
QString title(const AnswerSheet &sheet);
// "Practice Round, Beginner: 10 Correct Out Of 12".
QString title(const PracticeRound &round);

} // namespace AnswerReview
