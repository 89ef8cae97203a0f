#include "meaningquestion.h"

#include "quizrules.h"

namespace {

constexpr int KindCount = 3;

constexpr std::array<std::array<int, KindCount>, KindCount> kindRows{{
    {QuizSetup::Upright, QuizSetup::Reversed, QuizSetup::Merkstave},
    {QuizSetup::Reversed, QuizSetup::Upright, QuizSetup::Merkstave},
    {QuizSetup::Merkstave, QuizSetup::Upright, QuizSetup::Reversed},
}};

// `count` wrong options, each a meaning of any kind of any stone, drawn until it is none of the
// stone's own meanings and not yet among the options.
QStringList drawWrongOptions(const RuneCatalogue &catalogue, StoneIndex stone, int count,
                             RandomEngine &engine)
{
    QStringList own;
    for (int kind = 0; kind < KindCount; ++kind)
        own << meaningText(catalogue, kind, stone);
    QStringList options;
    while (options.size() < count) {
        const int kind = randomBelow(engine, KindCount);
        const auto other = static_cast<StoneIndex>(randomBelow(engine, StoneCount));
        const QString &text = meaningText(catalogue, kind, other);
        if (!own.contains(text) && !options.contains(text))
            options << text;
    }
    return options;
}

} // namespace

int meaningKindOfRow(const std::array<bool, 3> &stoneTypes, int row)
{
    for (int kind : kindRows[static_cast<std::size_t>(row)]) {
        if (stoneTypes[static_cast<std::size_t>(kind)])
            return kind;
    }
    return kindRows[static_cast<std::size_t>(row)][0];
}

int drawMeaningKind(const std::array<bool, 3> &stoneTypes, RandomEngine &engine)
{
    return meaningKindOfRow(stoneTypes, randomBelow(engine, KindCount));
}

const QString &meaningText(const RuneCatalogue &catalogue, int kind, StoneIndex stone)
{
    const auto k = static_cast<std::size_t>(stone);
    switch (kind) {
    case QuizSetup::Reversed:
        return catalogue.reversedMeanings[k];
    case QuizSetup::Merkstave:
        return catalogue.merkstaveMeanings[k];
    default:
        return catalogue.uprightMeanings[k];
    }
}

Question buildMeaningQuestion(const RuneCatalogue &catalogue, StoneIndex stone,
                              const QuizSetup &setup, RandomEngine &engine)
{
    const int optionCount = QuizRules::optionCount(setup.level);
    Question question;
    for (int n = 0; n < QuizRules::requiredTicks(setup.level); ++n) {
        question.meaningKinds << drawMeaningKind(setup.stoneTypes, engine);
        question.correctAnswers << meaningText(catalogue, question.meaningKinds.last(), stone);
    }
    question.options = drawWrongOptions(catalogue, stone, optionCount, engine);
    if (setup.level != QuizSetup::Advanced) {
        question.options[randomBelow(engine, optionCount)] = question.correctAnswers[0];
        return question;
    }

    QStringList rightTexts = question.correctAnswers;
    rightTexts.removeDuplicates();
    QList<bool> taken(optionCount, false);
    for (const QString &text : rightTexts) {
        int position = randomBelow(engine, optionCount);
        while (taken[position])
            position = randomBelow(engine, optionCount);
        taken[position] = true;
        question.options[position] = text;
    }
    return question;
}
