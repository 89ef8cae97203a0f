#include "scorelines.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct Kind {
    QuizSubject subject;
    QuizLevel level;
};
constexpr std::array<Kind, 4> kinds{{{QuizSubject::Keywords, QuizLevel::Beginner},
                                     {QuizSubject::Keywords, QuizLevel::Advanced},
                                     {QuizSubject::Meanings, QuizLevel::Beginner},
                                     {QuizSubject::Meanings, QuizLevel::Advanced}}};

std::size_t kindIndex(const PastTest &test)
{
    return (test.subject == QuizSubject::Meanings ? 2 : 0) +
           (test.level == QuizLevel::Advanced ? 1 : 0);
}

double percent(const PastTest &test)
{
    return test.most ? 100.0 * test.score / test.most : 0.0;
}

QString shownPercent(double value)
{
    return QStringLiteral("%1%").arg(qRound(value));
}

} // namespace

QStringList ScoreLines::lineNames() const
{
    QStringList names;
    for (const ScoreLine &line : lines)
        names.append(line.name);
    return names;
}

QStringList ScoreLines::sentences() const
{
    QStringList said;
    for (const ScoreLine &line : lines) {
        const int count = int(line.points.size());
        if (count == 0) {
            said.append(QCoreApplication::translate("ScoreLines", "%1: no tests.").arg(line.name));
            continue;
        }
        //: %1 is the line's name, %2 and %3 the last and the best score
        said.append(
            (count == 1 ? QCoreApplication::translate("ScoreLines", "%1: 1 test, last %2, best %3.")
                        : QCoreApplication::translate(
                              "ScoreLines", "%1: %n tests, last %2, best %3.", nullptr, count))
                .arg(line.name, shownPercent(line.last), shownPercent(line.best)));
    }
    return said;
}

ScoreLines scoreLines(const QList<PastTest> &tests, qint64 nowMs)
{
    ScoreLines drawn;
    for (std::size_t kind = 0; kind < kinds.size(); ++kind)
        drawn.lines[kind].name = kindName(kinds[kind].subject, kinds[kind].level);
    if (tests.isEmpty()) {
        drawn.firstMs = drawn.lastMs = nowMs;
        return drawn;
    }
    drawn.firstMs = tests.constLast().finishedMs;
    drawn.lastMs = drawn.firstMs;
    // The lines run from the oldest.
    for (auto test = tests.crbegin(); test != tests.crend(); ++test) {
        // A practice round asks what is due, not a test's whole set: its score is no line's.
        if (test->practice)
            continue;
        ScoreLine &line = drawn.lines[kindIndex(*test)];
        const double score = percent(*test);
        line.points.append(QPointF(double(test->finishedMs), score));
        line.best = std::max(line.best, score);
        line.last = score;
        drawn.firstMs = std::min(drawn.firstMs, test->finishedMs);
        drawn.lastMs = std::max(drawn.lastMs, test->finishedMs);
    }
    return drawn;
}
