#include "runecatalogue.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Names are names: they read the same in every language, so they live here rather than with the
// texts of a language.
struct NamedStone {
    const char *name;
    std::array<const char *, AlternativeNamesPerStone> alternativeNames;
};

constexpr std::array<NamedStone, StoneCount> stones{{
    {"Fehu", {"Faihu", "Foeh", "Fe"}},
    {"Uruz", {"Uraz", "Uros", "Ur"}},
    {"Thurisaz", {"Thuith", "Thorn", "Thurs"}},
    {"Ansuz", {"Os", "Ass", "Ansur"}},
    {"Raidho", {"Raidha", "Rad", "Raid"}},
    {"Kenaz", {"Kusma", "Kaun", "Kaunaz"}},
    {"Gebo", {"Geuua", "Gipt", "Geofu"}},
    {"Wunjo", {"Uuinne", "Vend", "Wynn"}},
    {"Hagalaz", {"Haal", "Hagall", "Hagl"}},
    {"Nauthiz", {"Noicz", "Naud", "Naudr"}},
    {"Isa", {"Icz", "Iss", "Is"}},
    {"Jera", {"Gaar", "Ar", "Ger"}},
    {"Eihwaz", {"Ezck", "Yr", "Eo"}},
    {"Perthro", {"Pertra", "Peordh", "Peorth"}},
    {"Algiz", {"Algis", "Elhaz", "Eolh"}},
    {"Sowilo", {"Sugil", "Sol", "Sulu"}},
    {"Tiwaz", {"Tys", "Tyr", "Tir"}},
    {"Berkano", {"Berkana", "Bercna", "Bjarkan"}},
    {"Ehwaz", {"Eys", "Ehol", "Ior"}},
    {"Mannaz", {"Manna", "Madr", "Mann"}},
    {"Laguz", {"Laaz", "Logr", "Lagu"}},
    {"Ingwaz", {"Enguz", "Ing", "Ingvarr"}},
    {"Dagaz", {"Daaz", "Daeg", "Dagur"}},
    {"Othala", {"Utal", "Odal", "Otael"}},
}};

// A text file of the catalogue holds entries headed "# NN Name"; each non-empty line after a
// heading is one line of that stone's entry: a paragraph of a meaning, or a keyword.
std::array<QStringList, StoneCount> readEntries(const QString &resource)
{
    std::array<QStringList, StoneCount> entries;
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    const QString text = QString::fromUtf8(file.readAll());
    int current = -1;
    for (const QString &rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const int stone = line.mid(1).trimmed().left(2).toInt(&ok);
            current = ok && stone >= 0 && stone < StoneCount ? stone : -1;
            continue;
        }
        if (current >= 0)
            entries[current].append(line);
    }
    return entries;
}

// The paragraphs of a meaning are joined by CR LF, as the text boxes show them.
void readMeanings(const QString &resource, std::array<QString, StoneCount + 1> &table)
{
    const std::array<QStringList, StoneCount> entries = readEntries(resource);
    for (int k = 0; k < StoneCount; ++k)
        table[k] = entries[k].join(QLatin1String("\r\n"));
}

void readKeywords(const QString &resource,
                  std::array<QString, StoneCount * KeywordsPerStone + 1> &table)
{
    const std::array<QStringList, StoneCount> entries = readEntries(resource);
    for (int k = 0; k < StoneCount; ++k) {
        for (qsizetype j = 0; j < std::min<qsizetype>(KeywordsPerStone, entries[k].size()); ++j)
            table[KeywordsPerStone * k + j] = entries[k][j];
    }
}

// A language's texts live in a folder of their own beside the English ones; a language without
// one reads the English texts.
QString textFolder(const QString &language)
{
    const QString english = QStringLiteral(":/meanings/");
    if (language.isEmpty())
        return english;
    const QString folder = english + language + QLatin1Char('/');
    return QFileInfo::exists(folder + QLatin1String("keywords.txt")) ? folder : english;
}

QString &chosenLanguage()
{
    static QString language;
    return language;
}

} // namespace

RuneCatalogue buildRuneCatalogue(const QString &language)
{
    RuneCatalogue catalogue;
    for (int k = 0; k < StoneCount; ++k) {
        const NamedStone &stone = stones[k];
        catalogue.stoneNames[k] = QLatin1String(stone.name);
        for (int j = 0; j < AlternativeNamesPerStone; ++j)
            catalogue.alternativeNames[AlternativeNamesPerStone * k + j] =
                QLatin1String(stone.alternativeNames[j]);
    }
    const QString folder = textFolder(language);
    readKeywords(folder + QLatin1String("keywords.txt"), catalogue.stoneKeywords);
    readMeanings(folder + QLatin1String("upright.txt"), catalogue.uprightMeanings);
    readMeanings(folder + QLatin1String("reversed.txt"), catalogue.reversedMeanings);
    // Only the stones that cannot be reversed have a merkstave reading of their own; for the
    // others the merkstave reading is the reversed one.
    readMeanings(folder + QLatin1String("merkstave.txt"), catalogue.merkstaveMeanings);
    for (int k = 0; k < StoneCount; ++k) {
        if (catalogue.merkstaveMeanings[k].isEmpty())
            catalogue.merkstaveMeanings[k] = catalogue.reversedMeanings[k];
    }
    return catalogue;
}

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

void setRuneCatalogueLanguage(const QString &language)
{
    chosenLanguage() = language;
}

const RuneCatalogue &loadRuneCatalogue()
{
    static const RuneCatalogue catalogue = buildRuneCatalogue(chosenLanguage());
    return catalogue;
}
