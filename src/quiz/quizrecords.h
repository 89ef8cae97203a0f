#pragma once

#include "catalogue/runecatalogue.h"

#include <QStringList>

#include <array>
#include <optional>

constexpr int QuestionCount = 24;

// What a test asks about; it decides the question counter, the builder and the total's wording.
enum class QuizSubject { Keywords, Meanings };

// The choices of the test set-up that outlive a single test. Nothing of it is saved.
struct QuizSetup {
    enum : qint16 { Beginner = 0, Advanced = 1 };
    enum : int { Upright = 0, Reversed = 1, Merkstave = 2 };

    qint16 level = Beginner;
    // Which meaning kinds the meanings test may ask as the right answer; changed only by the
    // stone-type page's "Next", so a keywords test leaves it as it was.
    std::array<bool, 3> stoneTypes{};
};

// One scored question as the user saw and answered it, kept for the review after the test.
struct AnsweredQuestion {
    StoneIndex stone = 0;
    QStringList options;        // in box order
    QList<bool> ticked;         // per option
    QStringList correctAnswers; // the right texts the answer was compared with
    qint16 score = 0;
    QString scoreLine;
};

// The answers of a whole test, question q in entry q - 1.
struct AnswerSheet {
    QuizSubject subject = QuizSubject::Keywords;
    qint16 level = QuizSetup::Beginner;
    std::array<AnsweredQuestion, QuestionCount> answers;
};

// The state of the running test; one record serves whichever test runs.
struct QuizState {
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
    // Every question of the running test as it was scored; each entry is written before the test
    // can finish, so nothing of an abandoned test shows.
    std::array<AnsweredQuestion, QuestionCount> answers;

    // The question counter of the test on the given subject.
    qint16 &questionNo(QuizSubject subject)
    {
        return subject == QuizSubject::Keywords ? keywordQuestionNo : meaningQuestionNo;
    }
};

// Program-wide for the whole run, beside the study walk: the meanings test hands back to a study
// window built afresh, and the test records must outlive both windows.
struct QuizRecords {
    QuizSetup setup;
    QuizState state;
    // The answers of the last test that ran to its end in this run, whichever its subject; an
    // abandoned test leaves them as they were.
    std::optional<AnswerSheet> lastFinished;
};

// One built question: what the builders return and the windows show.
struct Question {
    QStringList correctAnswers; // 1 entry at Beginner, 4 at Advanced
    QStringList options;        // 5 entries at Beginner, 8 at Advanced
};
