#pragma once

#include "quiz/quizrecords.h"

#include <QList>

// One finished test as the history lists it.
struct PastTest {
    qint64 id = 0;
    qint64 finishedMs = 0; // milliseconds since the epoch, UTC
    QuizSubject subject = QuizSubject::Keywords;
    QuizLevel level = QuizLevel::Beginner;
    int score = 0;
    int most = 0; // 24 at Beginner, 96 at Advanced
    // A practice round, of fewer questions and both subjects, rather than a test.
    bool practice = false;
};

// How one stone has fared over all recorded tests.
struct StoneTally {
    StoneIndex stone = 0;
    int keywordsAsked = 0;
    int keywordsFull = 0; // asked and answered in full
    int meaningsAsked = 0;
    int meaningsFull = 0;
    qint64 lastAskedMs = 0; // 0 when never asked

    int asked() const { return keywordsAsked + meaningsAsked; }
    // The share of full answers, or -1 for a stone never asked.
    double share() const;
};

namespace HistoryRules {

// The six weakest stones asked at least once, weakest first.
QList<StoneIndex> weakestStones(const QList<StoneTally> &stones, int count = 6);

} // namespace HistoryRules
