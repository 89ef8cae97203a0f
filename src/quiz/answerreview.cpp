#include "answerreview.h"

#include "catalogue/runecatalogue.h"
#include "quizscoring.h"

#include <QCoreApplication>

namespace AnswerReview {

Mark mark(const AnsweredQuestion &answer, int option)
{
    const bool right = answer.correctAnswers.contains(answer.options.value(option));
    const bool ticked = answer.ticked.value(option);
    if (right)
        return ticked ? Mark::RightTicked : Mark::RightMissed;
    return ticked ? Mark::WrongTicked : Mark::WrongUnticked;
}

QString markName(Mark mark)
{
    switch (mark) {
    case Mark::RightTicked:
        return QCoreApplication::translate("AnswerReview", "Right and ticked");
    case Mark::RightMissed:
        return QCoreApplication::translate("AnswerReview", "Right and missed");
    case Mark::WrongTicked:
        return QCoreApplication::translate("AnswerReview", "Wrong and ticked");
    case Mark::WrongUnticked:
        break;
    }
    return QCoreApplication::translate("AnswerReview", "Not ticked");
}

bool isMistake(const AnsweredQuestion &answer, QuizLevel level)
{
    return answer.score < QuizScoring::requiredTicks(level);
}

QString rowName(const RuneCatalogue &catalogue, const AnsweredQuestion &answer, QuizLevel level)
{
    int missed = 0;
    int wrong = 0;
    for (int i = 0; i < answer.options.size(); ++i) {
        const Mark shown = mark(answer, i);
        missed += shown == Mark::RightMissed;
        wrong += shown == Mark::WrongTicked;
    }
    QStringList summary;
    if (missed)
        summary << QCoreApplication::translate("AnswerReview", "%1 right and missed").arg(missed);
    if (wrong)
        summary << QCoreApplication::translate("AnswerReview", "%1 wrong and ticked").arg(wrong);
    if (summary.isEmpty())
        summary << QCoreApplication::translate("AnswerReview", "all right");
    //: %1 is the stone, %2 of %3 the question's score and the most it can score, %4 how the
    //: answer went
    return QCoreApplication::translate("AnswerReview", "%1, %2 of %3: %4")
        .arg(catalogue.stoneNames[answer.stone], QString::number(answer.score),
             QString::number(QuizScoring::requiredTicks(level)), summary.join(QLatin1String(", ")));
}

QString rowDescription(const AnsweredQuestion &answer, int number)
{
    QStringList lines{QCoreApplication::translate("AnswerReview", "Question %1").arg(number)};
    for (int i = 0; i < answer.options.size(); ++i) {
        if (mark(answer, i) != Mark::WrongUnticked)
            lines << optionName(answer, i);
    }
    return lines.join(QLatin1Char('\n'));
}

QString optionName(const AnsweredQuestion &answer, int option)
{
    QString text = answer.options.value(option);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return markName(mark(answer, option)) + QStringLiteral(": ") + text;
}

QString title(const AnswerSheet &sheet)
{
    return QCoreApplication::translate("AnswerReview", "%1, %2: %3 Correct Out Of %4")
        .arg(subjectTitle(sheet.subject), levelTitle(sheet.level))
        .arg(sheet.total())
        .arg(sheet.most());
}

QString title(const PracticeRound &round)
{
    return QCoreApplication::translate("AnswerReview", "Practice Round, %1: %2 Correct Out Of %3")
        .arg(levelTitle(round.level))
        .arg(round.total())
        .arg(round.most());
}

namespace {

QList<AnsweredQuestion> answersOf(const PracticeRound &round)
{
    QList<AnsweredQuestion> answers;
    for (const PracticeAnswer &answer : round.answers)
        answers.append(answer.question);
    return answers;
}

} // namespace

Model::Model(const RuneCatalogue &catalogue, const AnswerSheet &sheet, QObject *parent)
    : QAbstractListModel(parent)
    , m_catalogue(catalogue)
    , m_answers(sheet.answers.begin(), sheet.answers.end())
    , m_level(sheet.level)
{}

Model::Model(const RuneCatalogue &catalogue, const PracticeRound &round, QObject *parent)
    : QAbstractListModel(parent)
    , m_catalogue(catalogue)
    , m_answers(answersOf(round))
    , m_level(round.level)
{}

int Model::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_answers.size());
}

QVariant Model::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const AnsweredQuestion &answer = m_answers[index.row()];
    const int number = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        //: %1 is the question's number, %2 the stone, %3 the question's score
        return QCoreApplication::translate("AnswerReview", "Question %1: %2 — %3")
            .arg(QString::number(number), m_catalogue.stoneNames[answer.stone],
                 QuizScoring::scoreLine(m_level, answer.score));
    case Qt::AccessibleTextRole:
        return rowName(m_catalogue, answer, m_level);
    case Qt::AccessibleDescriptionRole:
        return rowDescription(answer, number);
    case QuestionRole:
        return number;
    case StoneRole:
        return int(answer.stone);
    case OptionsRole:
        return answer.options;
    case MarksRole: {
        QList<int> marks;
        for (int i = 0; i < answer.options.size(); ++i)
            marks.append(int(mark(answer, i)));
        return QVariant::fromValue(marks);
    }
    default:
        return {};
    }
}

MistakesFilter::MistakesFilter(Model *review, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_review(review)
{
    setSourceModel(review);
}

void MistakesFilter::setMistakesOnly(bool only)
{
    if (only == m_mistakesOnly)
        return;
    m_mistakesOnly = only;
    invalidateRowsFilter();
}

bool MistakesFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    if (!m_mistakesOnly)
        return true;
    return isMistake(m_review->answers()[sourceRow], m_review->level());
}

} // namespace AnswerReview
