#include "runecatalogue.h"

#include <QFile>

namespace {

struct StoneEntry {
    const char *name;
    std::array<const char *, AlternativeNamesPerStone> alternativeNames;
    std::array<const char *, KeywordsPerStone> keywords;
};

constexpr std::array<StoneEntry, StoneCount> stones{{
    {"Fehu", {"Faihu", "Foeh", "Fe"}, {"Wealth", "Mobility", "Fulfillment", "Intuition"}},
    {"Uruz", {"Uraz", "Uros", "Ur"}, {"Beginnings", "Spirituality", "Opportunity", "Harmony"}},
    {"Thurisaz",
     {"Thuith", "Thorn", "Thurs"},
     {"Protection", "Action", "Destruction", "Willpower"}},
    {"Ansuz", {"Os", "Ass", "Ansur"}, {"Rebirth", "Knowledge", "Communication", "Justice"}},
    {"Raidho", {"Raidha", "Rad", "Raid"}, {"Rhythm", "Movement", "Travel", "Spiritual"}},
    {"Kenaz", {"Kusma", "Kaun", "Kaunaz"}, {"Knowledge", "Fire", "Guiding Light", "Fertility"}},
    {"Gebo", {"Geuua", "Gipt", "Geofu"}, {"Gift", "Exchange", "Interaction", "Balance"}},
    {"Wunjo", {"Uuinne", "Vend", "Wynn"}, {"Joy", "Pleasure", "Hope", "Fellowship"}},
    {"Hagalaz",
     {"Haal", "Hagall", "Hagl"},
     {"Transformation", "Change", "Evolution", "Protection"}},
    {"Nauthiz", {"Noicz", "Naud", "Naudr"}, {"Need", "Help", "Resistance", "Love"}},
    {"Isa", {"Icz", "Iss", "Is"}, {"Constraint", "Massive Force", "Gradual Integration", "Delay"}},
    {"Jera", {"Gaar", "Ar", "Ger"}, {"Cycles", "Right Action", "Completion", "Fertility"}},
    {"Eihwaz", {"Ezck", "Yr", "Eo"}, {"Communication", "Death", "Regeneration", "Knowledge"}},
    {"Perthro", {"Pertra", "Peordh", "Peorth"}, {"Birth", "Wisdom", "Kinship", "Manifestation"}},
    {"Algiz", {"Algis", "Elhaz", "Eolh"}, {"Spirit", "Protection", "Sanctuary", "Refuge"}},
    {"Sowilo", {"Sugil", "Sol", "Sulu"}, {"Partnership", "Journey", "Power", "Transformation"}},
    {"Tiwaz", {"Tys", "Tyr", "Tir"}, {"Justice", "Loyalty", "Victory", "Support"}},
    {"Berkano", {"Berkana", "Bercna", "Bjarkan"}, {"Rebirth", "Growth", "Transition", "Spirit"}},
    {"Ehwaz", {"Eys", "Ehol", "Ior"}, {"Duality", "Movement", "Partnership", "Interaction"}},
    {"Mannaz", {"Manna", "Madr", "Mann"}, {"Godhood", "Humanity", "Ancestors", "Memory"}},
    {"Laguz", {"Laaz", "Logr", "Lagu"}, {"Fluidity", "Life Force", "Birth", "Intuition"}},
    {"Ingwaz",
     {"Enguz", "Ing", "Ingvarr"},
     {"Energy", "Gestation", "Integration", "Male Fertility"}},
    {"Dagaz", {"Daaz", "Daeg", "Dagur"}, {"Light", "Enlightenment", "Awakening", "Intuition"}},
    {"Othala", {"Utal", "Odal", "Otael"}, {"Ancestry", "Prosperity", "Inheritance", "Family"}},
}};

// A meanings file holds entries headed "# NN Name"; each following non-empty line is one
// paragraph, and the paragraphs of an entry are joined by CR LF as the text boxes show them.
void readMeanings(const QString &resource, std::array<QString, StoneCount + 1> &table)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    int current = -1;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString paragraph = line.trimmed();
        if (paragraph.isEmpty())
            continue;
        if (paragraph.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const int stone = paragraph.mid(1).trimmed().left(2).toInt(&ok);
            current = ok && stone >= 0 && stone < StoneCount ? stone : -1;
            continue;
        }
        if (current < 0)
            continue;
        QString &entry = table[current];
        if (!entry.isEmpty())
            entry += QLatin1String("\r\n");
        entry += paragraph;
    }
}

RuneCatalogue buildCatalogue()
{
    RuneCatalogue catalogue;
    for (int k = 0; k < StoneCount; ++k) {
        const StoneEntry &stone = stones[k];
        catalogue.stoneNames[k] = QLatin1String(stone.name);
        for (int j = 0; j < KeywordsPerStone; ++j)
            catalogue.stoneKeywords[KeywordsPerStone * k + j] = QLatin1String(stone.keywords[j]);
        for (int j = 0; j < AlternativeNamesPerStone; ++j)
            catalogue.alternativeNames[AlternativeNamesPerStone * k + j] =
                QLatin1String(stone.alternativeNames[j]);
    }
    readMeanings(QStringLiteral(":/meanings/upright.txt"), catalogue.uprightMeanings);
    readMeanings(QStringLiteral(":/meanings/reversed.txt"), catalogue.reversedMeanings);
    // Only the stones that cannot be reversed have a merkstave reading of their own; for the
    // others the merkstave reading is the reversed one.
    readMeanings(QStringLiteral(":/meanings/merkstave.txt"), catalogue.merkstaveMeanings);
    for (int k = 0; k < StoneCount; ++k) {
        if (catalogue.merkstaveMeanings[k].isEmpty())
            catalogue.merkstaveMeanings[k] = catalogue.reversedMeanings[k];
    }
    return catalogue;
}

} // namespace

QStringList RuneCatalogue::keywordsOf(int stone) const
{
    QStringList list;
    for (int j = 0; j < KeywordsPerStone; ++j)
        list << stoneKeywords[KeywordsPerStone * stone + j];
    return list;
}

QStringList RuneCatalogue::alternativeNamesOf(int stone) const
{
    QStringList list;
    for (int j = 0; j < AlternativeNamesPerStone; ++j)
        list << alternativeNames[AlternativeNamesPerStone * stone + j];
    return list;
}

const RuneCatalogue &loadRuneCatalogue()
{
    static const RuneCatalogue catalogue = buildCatalogue();
    return catalogue;
}
