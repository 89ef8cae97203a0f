#include "keywordquestion.h"

#include "quizscoring.h"

#include <numeric>
#include <utility>

Question buildKeywordQuestion(const RuneCatalogue &catalogue, StoneIndex stone, QuizLevel level,
                              RandomEngine &engine)
{
    const QStringList own = catalogue.keywordsOf(stone);
    const QStringList right = level == QuizLevel::Advanced
                                  ? own
                                  : QStringList{own[randomBelow(engine, KeywordsPerStone)]};
    const auto anyKeyword = [&catalogue, &engine] {
        return catalogue.stoneKeywords[randomBelow(engine, StoneCount * KeywordsPerStone)];
    };
    return layOutQuestion(right, QuizScoring::optionCount(level), own, anyKeyword, engine);
}

Question layOutQuestion(const QStringList &correctAnswers, int optionCount,
                        const QStringList &excluded, const std::function<QString()> &drawDistractor,
                        RandomEngine &engine)
{
    // The first draws of a Fisher-Yates shuffle of the positions: every ordered choice, and with
    // it every set of positions, is equally likely.
    QList<int> positions(optionCount);
    std::iota(positions.begin(), positions.end(), 0);
    Question question{correctAnswers, QStringList(optionCount), {}};
    for (int i = 0; i < correctAnswers.size(); ++i) {
        std::swap(positions[i], positions[i + randomBelow(engine, optionCount - i)]);
        question.options[positions[i]] = correctAnswers[i];
    }
    for (qsizetype i = correctAnswers.size(); i < optionCount; ++i) {
        QString text;
        do
            text = drawDistractor();
        while (excluded.contains(text) || question.options.contains(text));
        question.options[positions[i]] = text;
    }
    return question;
}
