#include "platform/random.h"
#include "scriptedplatform.h"
#include "study/studysettings.h"
#include "study/studywalk.h"

#include <QTest>

namespace Rules = StudySettingsRules;

Q_DECLARE_METATYPE(StudySettings)

namespace {

// Eight ticks written as text in key order of the screen groups: groups, meanings, objects.
StudySettings ticks(const char *pattern)
{
    StudySettings s;
    for (int i = 0; i < 3; ++i) {
        s.stoneGroup[i] = pattern[i] == '1';
        s.stoneMeaning[i] = pattern[3 + i] == '1';
    }
    for (int i = 0; i < 2; ++i)
        s.stoneObject[i] = pattern[6 + i] == '1';
    return s;
}

QList<StoneIndex> range(int from, int to)
{
    QList<StoneIndex> list;
    for (int k = from; k <= to; ++k)
        list.append(static_cast<StoneIndex>(k));
    return list;
}

} // namespace

class StudyRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void storedValueTicks_data();
    void storedValueTicks();
    void loadFromStore_data();
    void loadFromStore();
    void validation_data();
    void validation();
    void storeWritesEightKeysInOrder();
    void storeReportsAFailedWrite();
    void walkOrder_data();
    void walkOrder();
    void walkSteps();
    void walkWithoutStonesDoesNothing();
};

void StudyRulesTest::storedValueTicks_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("one") << "1" << true;
    QTest::newRow("leading blank") << " 1" << true;
    QTest::newRow("decimal point") << "1.0" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("two") << "2" << false;
    QTest::newRow("minus one") << "-1" << false;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("word") << "yes" << true;
}

void StudyRulesTest::storedValueTicks()
{
    QFETCH(QString, value);
    QFETCH(bool, ticked);
    QCOMPARE(Rules::tickFor(value), ticked);
}

void StudyRulesTest::loadFromStore_data()
{
    QTest::addColumn<QStringList>("stored"); // "Key=value"
    QTest::addColumn<StudySettings>("expected");
    QTest::newRow("empty store ticks all") << QStringList{} << StudySettings::allTicked();
    QTest::newRow("empty first key ticks all")
        << QStringList{"StoneGroup0=", "StoneGroup1=0", "StoneMeaning0=0"}
        << StudySettings::allTicked();
    QTest::newRow("first aett off, rest absent")
        << QStringList{"StoneGroup0=0"} << ticks("01111111");
    QTest::newRow("as saved") << QStringList{"StoneGroup0=1", "StoneMeaning0=0", "StoneObject0=0",
                                             "StoneGroup1=0", "StoneMeaning1=1", "StoneObject1=1",
                                             "StoneGroup2=1", "StoneMeaning2=0"}
                              << ticks("10101001");
    QTest::newRow("odd values") << QStringList{"StoneGroup0= 1", "StoneGroup1=2", "StoneGroup2=1.0",
                                               "StoneMeaning0=maybe"}
                                << ticks("10111111");
}

void StudyRulesTest::loadFromStore()
{
    QFETCH(QStringList, stored);
    QFETCH(StudySettings, expected);
    MemorySettingsStore store;
    for (const QString &pair : stored) {
        const auto parts = pair.split(QLatin1Char('='));
        store.write(QStringLiteral("Settings"), parts[0], parts[1]);
    }
    QCOMPARE(Rules::load(store), expected);
}

void StudyRulesTest::validation_data()
{
    QTest::addColumn<StudySettings>("settings");
    QTest::addColumn<QString>("message");
    QTest::newRow("all ticked") << StudySettings::allTicked() << "";
    QTest::newRow("nothing ticked: groups first")
        << ticks("00000000") << "Please Select A Stone Group";
    QTest::newRow("no group") << ticks("00011111") << "Please Select A Stone Group";
    QTest::newRow("no meaning, no object") << ticks("01000000") << "Please Select A Stone Meaning";
    QTest::newRow("one object is enough") << ticks("00100001") << "";
    QTest::newRow("one meaning is enough") << ticks("10000100") << "";
}

void StudyRulesTest::validation()
{
    QFETCH(StudySettings, settings);
    QFETCH(QString, message);
    QCOMPARE(Rules::refusalMessage(Rules::check(settings)), message);
}

void StudyRulesTest::storeWritesEightKeysInOrder()
{
    MemorySettingsStore store;
    // Only "Also Known As" among meanings and objects.
    QVERIFY(Rules::store(store, ticks("10000001")).isEmpty());
    QCOMPARE(store.writtenKeys,
             (QStringList{"StoneGroup0", "StoneMeaning0", "StoneObject0", "StoneGroup1",
                          "StoneMeaning1", "StoneObject1", "StoneGroup2", "StoneMeaning2"}));
    const QStringList expected{"1", "0", "0", "0", "0", "1", "0", "0"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(store.read(QStringLiteral("Settings"), store.writtenKeys[i]), expected[i]);
    // What was stored reads back as the same ticks.
    QCOMPARE(Rules::load(store), ticks("10000001"));
}

void StudyRulesTest::storeReportsAFailedWrite()
{
    MemorySettingsStore store;
    store.failure = QStringLiteral("The disk is full.");
    QCOMPARE(Rules::store(store, StudySettings::allTicked()), store.failure);
}

void StudyRulesTest::walkOrder_data()
{
    QTest::addColumn<int>("aettir"); // bit i: aett i ticked
    QTest::addColumn<QList<StoneIndex>>("order");
    QTest::newRow("first") << 1 << range(0, 7);
    QTest::newRow("second") << 2 << range(8, 15);
    QTest::newRow("third") << 4 << range(16, 23);
    QTest::newRow("first and second") << 3 << range(0, 15);
    QTest::newRow("first and third") << 5 << range(0, 7) + range(16, 23);
    QTest::newRow("second and third") << 6 << range(8, 23);
    QTest::newRow("all") << 7 << range(0, 23);
    QTest::newRow("none") << 0 << QList<StoneIndex>{};
}

void StudyRulesTest::walkOrder()
{
    QFETCH(int, aettir);
    QFETCH(QList<StoneIndex>, order);
    QCOMPARE(studyOrderFor({(aettir & 1) != 0, (aettir & 2) != 0, (aettir & 4) != 0}), order);
}

void StudyRulesTest::walkSteps()
{
    StudyWalk walk{range(8, 15), 0};

    // Back at the first stone: stays, and only then is Back disabled.
    WalkStep step = stepBack(walk);
    QCOMPARE(walk.studyPosition, 0);
    QVERIFY(!step.showStone);
    QCOMPARE(step.backEnabled, std::optional<bool>(false));
    QVERIFY(!step.nextEnabled.has_value());

    // Forward through the walk: both buttons enabled at every step.
    for (int p = 1; p <= 7; ++p) {
        step = stepNext(walk);
        QCOMPARE(walk.studyPosition, p);
        QVERIFY(step.showStone);
        QVERIFY(!step.offerTest);
        QCOMPARE(step.backEnabled, std::optional<bool>(true));
        QCOMPARE(step.nextEnabled, std::optional<bool>(true));
    }
    QCOMPARE(walk.currentStone(), 15);

    // Next on the last stone: it stays, Next is disabled, the test is offered, Back untouched.
    step = stepNext(walk);
    QCOMPARE(walk.studyPosition, 7);
    QVERIFY(!step.showStone);
    QVERIFY(step.offerTest);
    QCOMPARE(step.nextEnabled, std::optional<bool>(false));
    QVERIFY(!step.backEnabled.has_value());

    // Back from there shows the stone before and enables Next again.
    step = stepBack(walk);
    QCOMPARE(walk.studyPosition, 6);
    QVERIFY(step.showStone);
    QCOMPARE(step.nextEnabled, std::optional<bool>(true));
    QCOMPARE(step.backEnabled, std::optional<bool>(true));
}

void StudyRulesTest::walkWithoutStonesDoesNothing()
{
    StudyWalk walk;
    for (const WalkStep &step : {stepNext(walk), stepBack(walk)}) {
        QVERIFY(!step.showStone);
        QVERIFY(!step.offerTest);
        QVERIFY(!step.backEnabled.has_value());
        QVERIFY(!step.nextEnabled.has_value());
    }
    QCOMPARE(walk.studyPosition, 0);
}

QTEST_GUILESS_MAIN(StudyRulesTest)
#include "tst_studyrules.moc"
