#include "meaningquestion.h"

namespace {

constexpr int KindCount = 3;
constexpr int BeginnerOptions = 5;
constexpr int AdvancedOptions = 8;
constexpr int AdvancedAnswers = 4;

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
    Question question;
    if (setup.level != QuizSetup::Advanced) {
        question.correctAnswers << meaningText(catalogue, drawMeaningKind(setup.stoneTypes, engine),
                                               stone);
        question.options = drawWrongOptions(catalogue, stone, BeginnerOptions, engine);
        question.options[randomBelow(engine, BeginnerOptions)] = question.correctAnswers[0];
        return question;
    }

    for (int n = 0; n < AdvancedAnswers; ++n)
        question.correctAnswers << meaningText(catalogue, drawMeaningKind(setup.stoneTypes, engine),
                                               stone);
    question.options = drawWrongOptions(catalogue, stone, AdvancedOptions, engine);
    QStringList rightTexts = question.correctAnswers;
    rightTexts.removeDuplicates();
    std::array<bool, AdvancedOptions> taken{};
    for (const QString &text : rightTexts) {
        int position = randomBelow(engine, AdvancedOptions);
        while (taken[static_cast<std::size_t>(position)])
            position = randomBelow(engine, AdvancedOptions);
        taken[static_cast<std::size_t>(position)] = true;
        question.options[position] = text;
    }
    return question;
}
