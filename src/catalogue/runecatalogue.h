#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Position of a stone in futhark order: 0 = Fehu ... 23 = Othala.
using StoneIndex = qint16;

constexpr int StoneCount = 24;
constexpr int StonesPerAett = 8;
constexpr int KeywordsPerStone = 4;
constexpr int AlternativeNamesPerStone = 3;
// The blank stone's picture number; it belongs to no stone.
constexpr int BlankPictureNumber = 25;

constexpr int aettOf(int stone)
{
    return stone / StonesPerAett;
}

constexpr int pictureNumberOf(int stone)
{
    return stone + 1;
}

// The whole subject matter of the program. Every table keeps one spare slot at its end that reads
// as an empty text, as the keywords and names tables are indexed flat (keyword j of stone k is
// entry 4k + j) by the question builders.
struct RuneCatalogue {
    std::array<QString, StoneCount + 1> stoneNames;
    std::array<QString, StoneCount + 1> uprightMeanings;
    std::array<QString, StoneCount + 1> reversedMeanings;
    std::array<QString, StoneCount + 1> merkstaveMeanings;
    std::array<QString, StoneCount * KeywordsPerStone + 1> stoneKeywords;
    std::array<QString, StoneCount * AlternativeNamesPerStone + 1> alternativeNames;

    QStringList keywordsOf(int stone) const;
    QStringList alternativeNamesOf(int stone) const;
};

// The catalogue with its keywords and meanings in `language`, a code such as "de", when the
// program has texts in it; otherwise, and for an empty code, in English. Names stay as they are.
RuneCatalogue buildRuneCatalogue(const QString &language);
// The language loadRuneCatalogue() builds the catalogue in. Only a choice made before its first
// use counts: the tables never change during a run.
void setRuneCatalogueLanguage(const QString &language);
// The catalogue is built once, on first use, and never changes afterwards; every later call is a
// cheap lookup of the same tables.
const RuneCatalogue &loadRuneCatalogue();
