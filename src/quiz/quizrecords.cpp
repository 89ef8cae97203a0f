#include "quizrecords.h"

#include "quizscoring.h"

#include <QCoreApplication>

QString subjectName(QuizSubject subject)
{
    return subject == QuizSubject::Meanings ? QStringLiteral("Meanings")
                                            : QStringLiteral("Keywords");
}

QString subjectTitle(QuizSubject subject)
{
    return subject == QuizSubject::Meanings
               ? QCoreApplication::translate("QuizRecords", "Stone Meanings")
               : QCoreApplication::translate("QuizRecords", "Stone Keywords");
}

QString levelName(QuizLevel level)
{
    return level == QuizLevel::Advanced ? QStringLiteral("Advanced") : QStringLiteral("Beginner");
}

QString levelTitle(QuizLevel level)
{
    return level == QuizLevel::Advanced ? QCoreApplication::translate("QuizRecords", "Advanced")
                                        : QCoreApplication::translate("QuizRecords", "Beginner");
}

QString kindName(QuizSubject subject, QuizLevel level)
{
    static const char *const names[2][2]{{QT_TRANSLATE_NOOP("QuizRecords", "Keywords Beginner"),
                                          QT_TRANSLATE_NOOP("QuizRecords", "Keywords Advanced")},
                                         {QT_TRANSLATE_NOOP("QuizRecords", "Meanings Beginner"),
                                          QT_TRANSLATE_NOOP("QuizRecords", "Meanings Advanced")}};
    return QCoreApplication::translate(
        "QuizRecords", names[subject == QuizSubject::Meanings][level == QuizLevel::Advanced]);
}

int AnswerSheet::total() const
{
    int sum = 0;
    for (const AnsweredQuestion &answer : answers)
        sum += answer.score;
    return sum;
}

int AnswerSheet::most() const
{
    return QuestionCount * QuizScoring::requiredTicks(level);
}

int PracticeRound::total() const
{
    int sum = 0;
    for (const PracticeAnswer &answer : answers)
        sum += answer.question.score;
    return sum;
}

int PracticeRound::most() const
{
    return int(answers.size()) * QuizScoring::requiredTicks(level);
}
