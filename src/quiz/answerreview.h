#pragma once

#include "quizrecords.h"

#include <QAbstractListModel>
#include <QSortFilterProxyModel>

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
bool isMistake(const AnsweredQuestion &answer, QuizLevel level);

// "Fehu, 3 of 4: 1 right and missed, 1 wrong and ticked", or "..., all right".
QString rowName(const RuneCatalogue &catalogue, const AnsweredQuestion &answer, QuizLevel level);
// The question number, then every marked option by its spoken name, one a line.
QString rowDescription(const AnsweredQuestion &answer, int number);
// "Right and missed: " and the option's text.
QString optionName(const AnsweredQuestion &answer, int option);

// "Stone Keywords, Beginner: 23 Correct Out Of 24".
QString title(const AnswerSheet &sheet);
// "Practice Round, Beginner: 10 Correct Out Of 12".
QString title(const PracticeRound &round);

// The questions of a finished test as rows, in test order, each read as a whole: named by
// rowName and described by rowDescription, as a screen reader speaks it. It holds a copy of the
// answers, so a new test does not change a review already open.
class Model : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        QuestionRole = Qt::UserRole, // its number, 1 to 24 (a round's fewer)
        StoneRole,                   // StoneIndex
        OptionsRole,                 // the texts, in box order
        MarksRole,                   // a Mark per option, as QList<int>
    };

    Model(const RuneCatalogue &catalogue, const AnswerSheet &sheet, QObject *parent = nullptr);
    // A practice round's questions, in the order asked.
    Model(const RuneCatalogue &catalogue, const PracticeRound &round, QObject *parent = nullptr);

    const QList<AnsweredQuestion> &answers() const { return m_answers; }
    QuizLevel level() const { return m_level; }

    int rowCount(const QModelIndex &parent = {}) const override;
    // Display: "Question 1: Fehu — 1 Correct Out of 1".
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const RuneCatalogue &m_catalogue;
    const QList<AnsweredQuestion> m_answers;
    const QuizLevel m_level;
};

// The rows of a review, or only those with a mistake.
class MistakesFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit MistakesFilter(Model *review, QObject *parent = nullptr);

    void setMistakesOnly(bool only);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    const Model *m_review = nullptr;
    bool m_mistakesOnly = false;
};

} // namespace AnswerReview
