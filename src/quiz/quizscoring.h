#pragma once

#include "quizrecords.h"

// The rules both rune tests score by: what a level asks for, what the page tells the user of it,
// and how a question is scored. Plain logic; the pages only show it.
namespace QuizScoring {

// Boxes in use: 5 at Beginner, 8 at Advanced.
int optionCount(QuizLevel level);
// Ticks an answer needs, and right answers a question has: 1 at Beginner, 4 at Advanced.
int requiredTicks(QuizLevel level);
// The instruction line of a question.
QString instruction(QuizLevel level);
// Empty when an answer with this many ticked boxes may be scored, otherwise what to tell the user.
QString tickCountMessage(QuizLevel level, int tickedCount);

// One point for every right answer that equals a ticked caption, compared exactly; a caption that
// equals two right answers earns two.
qint16 score(const QStringList &tickedCaptions, const QStringList &correctAnswers);
// "3 Correct Out of 4", kept per question.
QString scoreLine(QuizLevel level, int score);

} // namespace QuizScoring
