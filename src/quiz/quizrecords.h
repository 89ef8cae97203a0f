#pragma once

#include "catalogue/runecatalogue.h"

#include <QStringList>

#include <array>

constexpr int QuestionCount = 24;

// What a test asks about; it decides the builder and the total's wording.
enum class QuizSubject { Keywords, Meanings };

// The choices a test is built with. Nothing of it is saved.
struct QuizSetup {
    enum : qint16 { Beginner = 0, Advanced = 1 };
    enum : int { Upright = 0, Reversed = 1, Merkstave = 2 };

    qint16 level = Beginner;
    // Which meaning kinds the meanings test may ask as the right answer.
    std::array<bool, 3> stoneTypes{};
};

// One built question: what the builders return.
struct Question {
    QStringList correctAnswers; // as many as the level asks ticks for
    QStringList options;        // as many as the level has boxes
    // The meanings test's: the kind (QuizSetup::Upright, Reversed or Merkstave) each right
    // answer was drawn as, in order.
    QList<int> meaningKinds;
};

// One question of a test: as it was built and shown, and once scored, as the user answered it.
struct AnsweredQuestion {
    StoneIndex stone = 0;
    // The meanings test's: the kind of each right answer, in order; empty in the keywords test.
    QList<int> meaningKinds;
    QStringList options;        // in box order
    QList<bool> ticked;         // per option; empty until the question is scored
    QStringList correctAnswers; // the right texts the ticked options are compared with
    qint16 score = 0;
};

// A whole test, question q in entry q - 1: what a running test is made of and, once it has
// finished, what its review reads.
struct AnswerSheet {
    QuizSubject subject = QuizSubject::Keywords;
    qint16 level = QuizSetup::Beginner;
    // The kinds the meanings test could ask; none in the keywords test.
    std::array<bool, 3> stoneTypes{};
    std::array<AnsweredQuestion, QuestionCount> answers;

    // The sum of the questions' scores.
    int total() const;
};

// One question of a practice round, which asks what the boxes have due, of either subject.
struct PracticeAnswer {
    QuizSubject subject = QuizSubject::Keywords;
    AnsweredQuestion question;
};

// A finished practice round: fewer questions than a test, of both subjects, at one level.
struct PracticeRound {
    qint16 level = QuizSetup::Beginner;
    // The kinds its meanings questions could ask.
    std::array<bool, 3> stoneTypes{};
    QList<PracticeAnswer> answers;
};
