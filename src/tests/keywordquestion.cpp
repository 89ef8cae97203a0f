#include "keywordquestion.h"

#include "testrules.h"

Question buildKeywordQuestion(const RuneCatalogue &catalogue, StoneIndex stone, qint16 level,
                              RandomEngine &engine)
{
    const QStringList own = catalogue.keywordsOf(stone);
    const QStringList right = level == TestSetup::Advanced
                                  ? own
                                  : QStringList{own[randomBelow(engine, KeywordsPerStone)]};
    const auto anyKeyword = [&catalogue, &engine] {
        return catalogue.stoneKeywords[randomBelow(engine, StoneCount * KeywordsPerStone)];
    };
    return layOutQuestion(right, TestRules::optionCount(level), own, anyKeyword, engine);
}
