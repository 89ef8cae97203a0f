#pragma once

// The tests the history benchmarks fill their histories with, taken through a real session so
// that they hold what a learner's would.

#include "quiz/quizsession.h"

// A test of `subject` at `level` over all three stone types, answered with each question's first
// four boxes at Advanced (the most a test records) and its first box below.
inline AnswerSheet finishedTest(RandomEngine &engine, QuizSubject subject, QuizLevel level)
{
    QuizSession session(engine);
    session.setStoneTypes(StoneType::Upright | StoneType::Reversed | StoneType::Merkstave);
    session.startTest(subject, level);
    session.pressNext({});
    const QList<int> ticks = level == QuizLevel::Advanced ? QList<int>{0, 1, 2, 3} : QList<int>{0};
    while (session.pressNext(ticks).kind != QuizSession::NextStep::Kind::Finished) {
    }
    return *session.lastFinished();
}
