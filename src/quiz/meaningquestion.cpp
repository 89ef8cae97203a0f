#include "meaningquestion.h"

#include "quizscoring.h"

namespace {

constexpr int KindCount = int(allMeaningKinds.size());

constexpr std::array<std::array<MeaningKind, KindCount>, KindCount> kindRows{{
    {MeaningKind::Upright, MeaningKind::Reversed, MeaningKind::Merkstave},
    {MeaningKind::Reversed, MeaningKind::Upright, MeaningKind::Merkstave},
    {MeaningKind::Merkstave, MeaningKind::Upright, MeaningKind::Reversed},
}};

// `count` wrong options, each a meaning of any kind of any stone, drawn until it is none of the
// stone's own meanings and not yet among the options.
QStringList drawWrongOptions(const RuneCatalogue &catalogue, StoneIndex stone, int count,
                             RandomEngine &engine)
{
    QStringList own;
    for (MeaningKind kind : allMeaningKinds)
        own << meaningText(catalogue, kind, stone);
    QStringList options;
    while (options.size() < count) {
        const MeaningKind kind =
            allMeaningKinds[static_cast<std::size_t>(randomBelow(engine, KindCount))];
        const auto other = static_cast<StoneIndex>(randomBelow(engine, StoneCount));
        const QString &text = meaningText(catalogue, kind, other);
        if (!own.contains(text) && !options.contains(text))
            options << text;
    }
    return options;
}

} // namespace

MeaningKind meaningKindOfRow(StoneTypes stoneTypes, int row)
{
    for (MeaningKind kind : kindRows[static_cast<std::size_t>(row)]) {
        if (stoneTypes.testFlag(stoneTypeOf(kind)))
            return kind;
    }
    return kindRows[static_cast<std::size_t>(row)][0];
}

MeaningKind drawMeaningKind(StoneTypes stoneTypes, RandomEngine &engine)
{
    return meaningKindOfRow(stoneTypes, randomBelow(engine, KindCount));
}

const QString &meaningText(const RuneCatalogue &catalogue, MeaningKind kind, StoneIndex stone)
{
    const auto k = static_cast<std::size_t>(stone);
    switch (kind) {
    case MeaningKind::Reversed:
        return catalogue.reversedMeanings[k];
    case MeaningKind::Merkstave:
        return catalogue.merkstaveMeanings[k];
    case MeaningKind::Upright:
        break;
    }
    return catalogue.uprightMeanings[k];
}

Question buildMeaningQuestion(const RuneCatalogue &catalogue, StoneIndex stone,
                              const QuizSetup &setup, RandomEngine &engine)
{
    const int optionCount = QuizScoring::optionCount(setup.level);
    Question question;
    for (int n = 0; n < QuizScoring::requiredTicks(setup.level); ++n) {
        question.meaningKinds << drawMeaningKind(setup.stoneTypes, engine);
        question.correctAnswers << meaningText(catalogue, question.meaningKinds.last(), stone);
    }
    question.options = drawWrongOptions(catalogue, stone, optionCount, engine);
    if (setup.level != QuizLevel::Advanced) {
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
