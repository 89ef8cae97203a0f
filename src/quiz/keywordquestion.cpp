#include "keywordquestion.h"

#include "quizrules.h"

Question buildKeywordQuestion(const RuneCatalogue &catalogue, StoneIndex stone, qint16 level,
                              RandomEngine &engine)
{
    const QStringList own = catalogue.keywordsOf(stone);
    const QStringList right = level == QuizSetup::Advanced
                                  ? own
                                  : QStringList{own[randomBelow(engine, KeywordsPerStone)]};
    const auto anyKeyword = [&catalogue, &engine] {
        return catalogue.stoneKeywords[randomBelow(engine, StoneCount * KeywordsPerStone)];
    };
    return layOutQuestion(right, QuizRules::optionCount(level), own, anyKeyword, engine);
}
