#pragma once

#include "catalogue/runecatalogue.h"

#include <QFlags>
#include <QStringList>

#include <array>

constexpr int QuestionCount = 24;

// What a test asks about; it decides the builder and the total's wording.
enum class QuizSubject { Keywords, Meanings };

// How hard a test is: five options with one right at Beginner, eight with four right at
// Advanced. The history keeps it as 0 or 1.
enum class QuizLevel : qint16 { Beginner = 0, Advanced = 1 };

// Which of a stone's three meanings a text is. The history keeps it as 0, 1 or 2.
enum class MeaningKind { Upright = 0, Reversed = 1, Merkstave = 2 };
constexpr std::array<MeaningKind, 3> allMeaningKinds{MeaningKind::Upright, MeaningKind::Reversed,
                                                     MeaningKind::Merkstave};

// The stone types the meanings test may ask, as the set-up's boxes tick them: one flag per
// meaning kind. The history keeps them as these bits.
enum class StoneType { Upright = 0x1, Reversed = 0x2, Merkstave = 0x4 };
Q_DECLARE_FLAGS(StoneTypes, StoneType)
Q_DECLARE_OPERATORS_FOR_FLAGS(StoneTypes)

constexpr StoneType stoneTypeOf(MeaningKind kind)
{
    return static_cast<StoneType>(1 << static_cast<int>(kind));
}

// "Keywords" or "Meanings", and "Beginner" or "Advanced": the words the history's export writes,
// the same in every language.
QString subjectName(QuizSubject subject);
QString levelName(QuizLevel level);
// What the user reads, in the language the program shows: "Stone Keywords" or "Stone
// Meanings", the subject as the set-up offers it; "Beginner" or "Advanced"; "Keywords
// Beginner" and so on.
QString subjectTitle(QuizSubject subject);
QString levelTitle(QuizLevel level);
QString kindName(QuizSubject subject, QuizLevel level);

// The choices a question is built with. Nothing of it is saved.
struct QuizSetup {
    QuizLevel level = QuizLevel::Beginner;
    // Which meaning kinds the meanings test may ask as the right answer.
    StoneTypes stoneTypes;
};

// One built question: what the builders return.
struct Question {
    QStringList correctAnswers; // as many as the level asks ticks for
    QStringList options;        // as many as the level has boxes
    // The meanings test's: the kind each right answer was drawn as, in order.
    QList<MeaningKind> meaningKinds;
};

// One question of a test: as it was built and shown, and once scored, as the user answered it.
struct AnsweredQuestion {
    StoneIndex stone = 0;
    // The meanings test's: the kind of each right answer, in order; empty in the keywords test.
    QList<MeaningKind> meaningKinds;
    QStringList options;        // in box order
    QList<bool> ticked;         // per option; empty until the question is scored
    QStringList correctAnswers; // the right texts the ticked options are compared with
    qint16 score = 0;
};

// A whole test, question q in entry q - 1: what a running test is made of and, once it has
// finished, what its review reads.
struct AnswerSheet {
    QuizSubject subject = QuizSubject::Keywords;
    QuizLevel level = QuizLevel::Beginner;
    // The kinds the meanings test could ask; none in the keywords test.
    StoneTypes stoneTypes;
    std::array<AnsweredQuestion, QuestionCount> answers;

    // The sum of the questions' scores.
    int total() const;
    // The most a test of this level can score: 24 at Beginner, 96 at Advanced.
    int most() const;
};

// One question of a practice round, which asks what the boxes have due, of either subject.
struct PracticeAnswer {
    QuizSubject subject = QuizSubject::Keywords;
    AnsweredQuestion question;
};

// A finished practice round: fewer questions than a test, of both subjects, at one level.
struct PracticeRound {
    QuizLevel level = QuizLevel::Beginner;
    // The kinds its meanings questions could ask.
    StoneTypes stoneTypes;
    QList<PracticeAnswer> answers;

    // The sum of the questions' scores, and what they could score at most.
    int total() const;
    int most() const;
};
