#pragma once

#include "platform/random.h"
#include "quizrecords.h"

// The kind rule: row `row` (0 to 2) of the table below names the meaning kinds to try in order,
// and the first one the user enabled is the kind asked. Rows 0, 1 and 2 start with Upright,
// Reversed and Merkstave, so with two kinds enabled the first of them in table order wins two
// rows of three. With no kind enabled, the row's first kind is asked.
MeaningKind meaningKindOfRow(StoneTypes stoneTypes, int row);

// The kind of one right answer, drawn by the rule.
MeaningKind drawMeaningKind(StoneTypes stoneTypes, RandomEngine &engine);

// The meaning of kind `kind` of stone `stone`.
const QString &meaningText(const RuneCatalogue &catalogue, MeaningKind kind, StoneIndex stone);

// One question of the meanings test about `stone`, at the set-up's level.
//
// Beginner: the right answer is the stone's meaning of a kind drawn by the rule; five wrong
// options are drawn, then the right answer replaces the one at a random position.
//
// Advanced: each of the four right answers has its kind drawn by the rule, so they may repeat
// (a stone has only three meanings, and some stones' reversed and merkstave texts are one text).
// Every distinct right text stands in exactly one of the eight boxes, at random positions; the
// others hold wrong options. A ticked box scores once per equal right answer, so ticking every
// right text scores exactly 4.
//
// Wrong options are fair at both levels: none is any meaning of the question's own stone (the
// user who recognises it would be marked wrong), and no text appears in two boxes.
Question buildMeaningQuestion(const RuneCatalogue &catalogue, StoneIndex stone,
                              const QuizSetup &setup, RandomEngine &engine);
