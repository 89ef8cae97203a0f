#include "catalogue/runecatalogue.h"
#include "catalogue/stonepicturebox.h"
#include "catalogue/stonepictures.h"

#include <QCryptographicHash>
#include <QSet>
#include <QTest>

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void stoneTables_data();
    void stoneTables();
    void spareSlotsAreEmpty();
    void sharedKeywords_data();
    void sharedKeywords();
    void distinctTexts();
    void meanings_data();
    void meanings();
    void onlyFehuAndUruzHaveTwoParagraphs();
    void languages_data();
    void languages();
    void picturesLoadAtTheirSize();
    void picturesDifferAndTheLastIsBlank();
    void turningTwiceGivesTheUprightPicture();
    void turnedPictureIsUpsideDownAndMirrored();
    void pictureBox_turnsAndTurnsBack();
};

void CatalogueTest::stoneTables_data()
{
    QTest::addColumn<int>("stone");
    QTest::addColumn<QString>("line");
    // Name | alternative names | keywords, as the stones are written on the study cards.
    const QStringList lines{
        "Fehu|Faihu,Foeh,Fe|Wealth,Mobility,Fulfillment,Intuition",
        "Uruz|Uraz,Uros,Ur|Beginnings,Spirituality,Opportunity,Harmony",
        "Thurisaz|Thuith,Thorn,Thurs|Protection,Action,Destruction,Willpower",
        "Ansuz|Os,Ass,Ansur|Rebirth,Knowledge,Communication,Justice",
        "Raidho|Raidha,Rad,Raid|Rhythm,Movement,Travel,Spiritual",
        "Kenaz|Kusma,Kaun,Kaunaz|Knowledge,Fire,Guiding Light,Fertility",
        "Gebo|Geuua,Gipt,Geofu|Gift,Exchange,Interaction,Balance",
        "Wunjo|Uuinne,Vend,Wynn|Joy,Pleasure,Hope,Fellowship",
        "Hagalaz|Haal,Hagall,Hagl|Transformation,Change,Evolution,Protection",
        "Nauthiz|Noicz,Naud,Naudr|Need,Help,Resistance,Love",
        "Isa|Icz,Iss,Is|Constraint,Massive Force,Gradual Integration,Delay",
        "Jera|Gaar,Ar,Ger|Cycles,Right Action,Completion,Fertility",
        "Eihwaz|Ezck,Yr,Eo|Communication,Death,Regeneration,Knowledge",
        "Perthro|Pertra,Peordh,Peorth|Birth,Wisdom,Kinship,Manifestation",
        "Algiz|Algis,Elhaz,Eolh|Spirit,Protection,Sanctuary,Refuge",
        "Sowilo|Sugil,Sol,Sulu|Partnership,Journey,Power,Transformation",
        "Tiwaz|Tys,Tyr,Tir|Justice,Loyalty,Victory,Support",
        "Berkano|Berkana,Bercna,Bjarkan|Rebirth,Growth,Transition,Spirit",
        "Ehwaz|Eys,Ehol,Ior|Duality,Movement,Partnership,Interaction",
        "Mannaz|Manna,Madr,Mann|Godhood,Humanity,Ancestors,Memory",
        "Laguz|Laaz,Logr,Lagu|Fluidity,Life Force,Birth,Intuition",
        "Ingwaz|Enguz,Ing,Ingvarr|Energy,Gestation,Integration,Male Fertility",
        "Dagaz|Daaz,Daeg,Dagur|Light,Enlightenment,Awakening,Intuition",
        "Othala|Utal,Odal,Otael|Ancestry,Prosperity,Inheritance,Family",
    };
    for (int k = 0; k < lines.size(); ++k)
        QTest::addRow("%02d", k) << k << lines[k];
}

void CatalogueTest::stoneTables()
{
    QFETCH(int, stone);
    QFETCH(QString, line);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const QStringList parts = line.split(QLatin1Char('|'));
    QCOMPARE(catalogue.stoneNames[stone], parts[0]);
    const QStringList names = parts[1].split(QLatin1Char(','));
    const QStringList keywords = parts[2].split(QLatin1Char(','));
    for (int j = 0; j < 3; ++j)
        QCOMPARE(catalogue.alternativeNames[3 * stone + j], names[j]);
    for (int j = 0; j < 4; ++j)
        QCOMPARE(catalogue.stoneKeywords[4 * stone + j], keywords[j]);
    QCOMPARE(catalogue.keywordsOf(stone), keywords);
    QCOMPARE(catalogue.alternativeNamesOf(stone), names);
    QCOMPARE(aettOf(stone), stone / 8);
    QCOMPARE(pictureNumberOf(stone), stone + 1);
}

void CatalogueTest::spareSlotsAreEmpty()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QVERIFY(catalogue.stoneNames[24].isEmpty());
    QVERIFY(catalogue.uprightMeanings[24].isEmpty());
    QVERIFY(catalogue.reversedMeanings[24].isEmpty());
    QVERIFY(catalogue.merkstaveMeanings[24].isEmpty());
    QCOMPARE(catalogue.stoneKeywords.size(), 97u);
    QVERIFY(catalogue.stoneKeywords[96].isEmpty());
    QCOMPARE(catalogue.alternativeNames.size(), 73u);
    QVERIFY(catalogue.alternativeNames[72].isEmpty());
    // The same tables on every call: built once, never rebuilt.
    QCOMPARE(&loadRuneCatalogue(), &catalogue);
}

void CatalogueTest::sharedKeywords_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QList<int>>("owners");
    QTest::newRow("Intuition") << "Intuition" << QList<int>{0, 20, 22};
    QTest::newRow("Knowledge") << "Knowledge" << QList<int>{3, 5, 12};
    QTest::newRow("Protection") << "Protection" << QList<int>{2, 8, 14};
    QTest::newRow("Birth") << "Birth" << QList<int>{13, 20};
    QTest::newRow("Communication") << "Communication" << QList<int>{3, 12};
    QTest::newRow("Fertility") << "Fertility" << QList<int>{5, 11};
    QTest::newRow("Interaction") << "Interaction" << QList<int>{6, 18};
    QTest::newRow("Justice") << "Justice" << QList<int>{3, 16};
    QTest::newRow("Movement") << "Movement" << QList<int>{4, 18};
    QTest::newRow("Partnership") << "Partnership" << QList<int>{15, 18};
    QTest::newRow("Rebirth") << "Rebirth" << QList<int>{3, 17};
    QTest::newRow("Spirit") << "Spirit" << QList<int>{14, 17};
    QTest::newRow("Transformation") << "Transformation" << QList<int>{8, 15};
    QTest::newRow("Wealth, one owner") << "Wealth" << QList<int>{0};
}

void CatalogueTest::sharedKeywords()
{
    QFETCH(QString, keyword);
    QFETCH(QList<int>, owners);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QList<int> found;
    for (int entry = 0; entry < 96; ++entry) {
        if (catalogue.stoneKeywords[entry] == keyword)
            found.append(entry / 4);
    }
    QCOMPARE(found, owners);
}

void CatalogueTest::distinctTexts()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const QSet<QString> keywords(catalogue.stoneKeywords.begin(),
                                 catalogue.stoneKeywords.end() - 1);
    QCOMPARE(keywords.size(), 80);
    const QSet<QString> names(catalogue.alternativeNames.begin(),
                              catalogue.alternativeNames.end() - 1);
    QCOMPARE(names.size(), 72);
}

void CatalogueTest::meanings_data()
{
    QTest::addColumn<int>("stone");
    QTest::addColumn<QString>("upright");
    QTest::addColumn<QString>("reversed");  // opening, or the whole text when "="-prefixed
    QTest::addColumn<QString>("merkstave"); // empty: the reversed text itself

    auto row = [](int stone, const char *upright, const char *reversed, const char *merkstave) {
        QTest::addRow("%02d", stone)
            << stone << QString::fromLatin1(upright) << QString::fromLatin1(reversed)
            << QString::fromLatin1(merkstave);
    };
    row(0, "The meaning of the rune is 'cattle' or the main",
        "When reversed it means stagnation, infertility and loss or failure.", "");
    row(1, "The rune represents 'aurochs' or wild bison like animals. As",
        "When reversed it indicates ill health. With a positive rune,", "");
    row(2, "This is also known as the troll or 'thorn' rune.",
        "When reversed it shows end of good times and beginning", "");
    row(3, "This rune means 'god' or 'deity'. It shows more sensitivity",
        "You may be under the influence of malicious advice. There", "");
    row(4, "This rune represents the 'wheel of life'. It means that",
        "There may be a delay in your physical or spiritual", "");
    row(5, "This is the 'fire' rune. This rune means lack of",
        "It may lead to isolation or information being hidden from", "");
    row(6, "This is the rune of 'exchange'. This is a very",
        "=Gebo rune cannot be reversed. The meaning can be understood from the other runes that "
        "fall with it.",
        "There may be some loneliness in your life. You may");
    row(7, "This rune is referred to as the 'wish card' and",
        "There may be some unhappiness or a third party causing", "");
    row(8, "This rune means 'hail' with respect to hailstones. This rune",
        "=This rune is not reversed.", "There may be a natural disaster or catastrophe. It may");
    row(9, "This is the 'need' rune. It also is a negative",
        "You may be on the wrong track. If this rune", "");
    row(10, "This is the 'ice' rune. It means that there like",
        "=This rune cannot be reversed. This will have to be read with the surrounding runes.",
        "There may be some dullness in your life. This is");
    row(11, "This rune means the 'harvest'. In other words 'you reap",
        "=This rune is non reversible and has to be read with the surrounding runes.",
        "There may be sudden set backs. This may be a");
    row(12, "This is the 'yew' rune, the wood used in rune",
        "This may be a bad time for you. You may", "");
    row(13, "This means a sudden dash of luck. It may be",
        "When reversed, this rune can mean death. But in most", "");
    row(14, "This rune means 'defense' and 'protection'. This is not in",
        "=This indicates vulnerability. Watch for hidden traps and strengthen your defense.", "");
    row(15, "This is the 'sun' rune which indicates victory. There may",
        "=This rune cannot be reversed.", "You may face the wrath of God.  You may also");
    row(16, "This is the rune of the 'warrior'. The person may",
        "Your energy and creative flow may be blocked. You may", "");
    row(17, "This is the 'birch' rune. It signifies growth in relationships,",
        "There may be some family problems or troubles on the", "");
    row(18, "This is the 'horse' rune. It indicates change and relocation.",
        "You may be making false friends. Also there may be", "");
    row(19, "This is the 'man' rune, as an individual or as",
        "Non one can help you. You are on your own", "");
    row(20, "This is the rune of 'intuitive knowledge' or 'water'. People",
        "This is a period of stagnation. Also you may experience", "");
    row(21, "This is the 'fertility' rune. This is a family rune",
        "=This is a non reversible rune.", "This signifies a period of hard labor and work. There");
    row(22, "This is the 'day' rune. It indicates a short cycle.", "=This is a nonreversible rune.",
        "This is a complete coming full circle rune. Amy also");
    row(23, "This is the 'inheritance' rune. The inheritance may be in",
        "This may mean some delay in work or unexpected backing", "");
}

void CatalogueTest::meanings()
{
    QFETCH(int, stone);
    QFETCH(QString, upright);
    QFETCH(QString, reversed);
    QFETCH(QString, merkstave);
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const QString &up = catalogue.uprightMeanings[stone];
    const QString &rev = catalogue.reversedMeanings[stone];
    const QString &merk = catalogue.merkstaveMeanings[stone];

    QVERIFY2(up.startsWith(upright), qPrintable(up));
    QVERIFY2(up.size() >= 233 && up.size() <= 662, qPrintable(QString::number(up.size())));
    if (reversed.startsWith(QLatin1Char('=')))
        QCOMPARE(rev, reversed.mid(1));
    else
        QVERIFY2(rev.startsWith(reversed) && rev.size() > reversed.size(), qPrintable(rev));
    QVERIFY2(rev.size() >= 26 && rev.size() <= 330, qPrintable(QString::number(rev.size())));

    if (merkstave.isEmpty()) {
        QCOMPARE(merk, rev);
    } else {
        QVERIFY(merk != rev);
        QVERIFY2(merk.startsWith(merkstave) && merk.size() > merkstave.size(), qPrintable(merk));
        QVERIFY2(merk.size() >= 76 && merk.size() <= 330, qPrintable(QString::number(merk.size())));
    }
    // Result files and message boxes are 8-bit text: the content stays plain ASCII.
    for (const QString *text : {&up, &rev, &merk}) {
        for (QChar c : *text)
            QVERIFY2(c.unicode() < 128, qPrintable(*text));
    }
}

void CatalogueTest::onlyFehuAndUruzHaveTwoParagraphs()
{
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QVERIFY(catalogue.uprightMeanings[0].contains(
        QLatin1String("\r\nThis rune may be linked to Frey or Freya thus")));
    QVERIFY(catalogue.uprightMeanings[1].contains(
        QLatin1String("\r\nThis is the rune of inner strength, harmony and peace.")));
    for (int k = 0; k < StoneCount; ++k) {
        const auto breaks = catalogue.uprightMeanings[k].count(QLatin1String("\r\n"));
        QCOMPARE(breaks, qsizetype(k < 2 ? 1 : 0));
        QVERIFY(!catalogue.uprightMeanings[k].contains(QLatin1Char('\n')) || k < 2);
        QVERIFY(!catalogue.reversedMeanings[k].contains(QLatin1Char('\n')));
        QVERIFY(!catalogue.merkstaveMeanings[k].contains(QLatin1Char('\n')));
    }
}

void CatalogueTest::languages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("sowiloKeywords");
    QTest::addColumn<QString>("fehuUpright");
    QTest::newRow("German") << "de" << QStringList{"Partnerschaft", "Fahrt", "Macht", "Verwandlung"}
                            << "Die Rune bedeutet 'Vieh'";
    QTest::newRow("French, which has no texts: English")
        << "fr" << QStringList{"Partnership", "Journey", "Power", "Transformation"}
        << "The meaning of the rune is 'cattle'";
}

// The rules that keep a stone's own texts out of its wrong options compare texts exactly; they
// are fair in a language when its texts are equal where the English ones are, and only there.
void CatalogueTest::languages()
{
    QFETCH(QString, language);
    QFETCH(QStringList, sowiloKeywords);
    QFETCH(QString, fehuUpright);
    const RuneCatalogue catalogue = buildRuneCatalogue(language);
    QCOMPARE(catalogue.keywordsOf(15), sowiloKeywords);
    QVERIFY(catalogue.uprightMeanings[0].startsWith(fehuUpright));
    QCOMPARE(catalogue.stoneNames, loadRuneCatalogue().stoneNames);
    QCOMPARE(catalogue.alternativeNames, loadRuneCatalogue().alternativeNames);

    const auto texts = [](const RuneCatalogue &c) {
        QStringList all(c.stoneKeywords.begin(), c.stoneKeywords.end());
        for (const auto *table : {&c.uprightMeanings, &c.reversedMeanings, &c.merkstaveMeanings})
            all.append(QStringList(table->begin(), table->end()));
        return all;
    };
    const QStringList ours = texts(catalogue);
    const QStringList english = texts(loadRuneCatalogue());
    for (qsizetype i = 0; i < ours.size(); ++i) {
        QVERIFY2(ours[i].isEmpty() == english[i].isEmpty(), qPrintable(english[i]));
        for (qsizetype j = i + 1; j < ours.size(); ++j)
            QVERIFY2((ours[i] == ours[j]) == (english[i] == english[j]),
                     qPrintable(english[i] + QLatin1String(" / ") + english[j]));
    }
}

void CatalogueTest::picturesLoadAtTheirSize()
{
    for (int number = 1; number <= StonePictures::Count; ++number) {
        const QPixmap picture = StonePictures::picture(number);
        QVERIFY2(!picture.isNull(), qPrintable(QString::number(number)));
        QCOMPARE(picture.size(), StonePictures::NaturalSize);
    }
    QVERIFY(StonePictures::picture(0).isNull());
    QVERIFY(StonePictures::picture(26).isNull());
}

namespace {

// How much of the stone is glyph-white.
int whitePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 235 && c.green() > 235 && c.blue() > 235)
                ++count;
        }
    }
    return count;
}

} // namespace

void CatalogueTest::picturesDifferAndTheLastIsBlank()
{
    QSet<QByteArray> hashes;
    const QImage blank = StonePictures::picture(25).toImage();
    const int blankWhite = whitePixels(blank);
    for (int number = 1; number <= StonePictures::Count; ++number) {
        const QImage image = StonePictures::picture(number).toImage();
        hashes.insert(QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1));
        if (number < 25)
            QVERIFY2(whitePixels(image) > blankWhite + 150, qPrintable(QString::number(number)));
    }
    QCOMPARE(hashes.size(), 25);
}

void CatalogueTest::turningTwiceGivesTheUprightPicture()
{
    const QImage upright = StonePictures::picture(1).toImage();
    const QImage once = turnedPicture(upright, upright.size());
    QVERIFY(once != upright);
    QCOMPARE(turnedPicture(once, once.size()), upright);
}

void CatalogueTest::turnedPictureIsUpsideDownAndMirrored()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixelColor(0, 0, Qt::red);
    const QImage turned = turnedPicture(image, image.size());
    QCOMPARE(turned.pixelColor(3, 2), QColor(Qt::red));
    QCOMPARE(turned.pixelColor(0, 0), QColor(Qt::black));
    // Stretched to fill whatever box it is shown in.
    QCOMPARE(turnedPicture(image, QSize(8, 6)).size(), QSize(8, 6));
    QVERIFY(turnedPicture(QImage(), QSize(8, 6)).isNull());
}

void CatalogueTest::pictureBox_turnsAndTurnsBack()
{
    StonePictureBox box;
    box.setFixedSize(84, 112);
    QVERIFY(box.image().isNull());
    box.setPictureNumber(1);
    const QImage upright = box.image();
    QCOMPARE(upright.size(), QSize(84, 112));
    box.turn();
    QVERIFY(box.isTurned());
    QCOMPARE(box.image(), turnedPicture(StonePictures::picture(1).toImage(), QSize(84, 112)));
    box.turn();
    QCOMPARE(box.image(), upright);
    // A new picture is shown upright whatever the box showed before.
    box.turn();
    box.setPictureNumber(2);
    QVERIFY(!box.isTurned());
}

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
