#pragma once

#include "catalogue/runecatalogue.h"

#include <QStringList>

#include <array>

constexpr int QuestionCount = 24;

// What a test asks about; it decides the question counter, the builder and the total's wording.
enum class TestSubject { Keywords, Meanings };

// The choices of the test set-up that outlive a single test. Nothing of it is saved.
struct TestSetup {
    enum : qint16 { Beginner = 0, Advanced = 1 };
    enum : int { Upright = 0, Reversed = 1, Merkstave = 2 };

    qint16 level = Beginner;
    // Which meaning kinds the meanings test may ask as the right answer; changed only by the
    // stone-type page's "Next", so a keywords test leaves it as it was.
    std::array<bool, 3> stoneTypes{};
};

// The state of the running test; one record serves whichever test runs.
struct TestState {
    // Question q (1 to 24) asks about the stone in entry q - 1.
    std::array<StoneIndex, QuestionCount> questionOrder{};
    qint16 keywordQuestionNo = 0;
    qint16 meaningQuestionNo = 0;
    // The question on screen: its right answer(s) and its options in display order.
    QStringList correctAnswers;
    QStringList options;
    // Score line of question q in entry q - 1.
    std::array<QString, QuestionCount> questionResults;
    qint16 questionScore = 0;
    qint16 totalScore = 0;

    // The question counter of the test on the given subject.
    qint16 &questionNo(TestSubject subject)
    {
        return subject == TestSubject::Keywords ? keywordQuestionNo : meaningQuestionNo;
    }
};

// Program-wide for the whole run, beside the study walk: the meanings test hands back to a study
// window built afresh, and the test records must outlive both windows.
struct TestRecords {
    TestSetup setup;
    TestState state;
};

// One built question: what the builders return and the windows show.
struct Question {
    QStringList correctAnswers; // 1 entry at Beginner, 4 at Advanced
    QStringList options;        // 5 entries at Beginner, 8 at Advanced
};
