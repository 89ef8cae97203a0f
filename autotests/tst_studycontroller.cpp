#include "scriptedplatform.h"
#include "study/studycontroller.h"

#include <QMetaEnum>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>

namespace {

// The eight ticks as "1" and "0": groups, meanings, objects.
QString pattern(const StudySettings &ticks)
{
    QString text;
    const auto add = [&text](const auto &boxes) {
        for (bool ticked : boxes)
            text += ticked ? u'1' : u'0';
    };
    add(ticks.stoneGroup);
    add(ticks.stoneMeaning);
    add(ticks.stoneObject);
    return text;
}

QString state(std::optional<bool> enabled)
{
    return enabled ? QString::number(*enabled) : QStringLiteral("-");
}

// A study window's controller, without the window: what it says to the user and asks of the
// sections, in order.
struct Study {
    Study()
    {
        platform.folder = folder.path();
        const auto note = [this](const QString &event) { events.append(event); };
        QObject::connect(&controller, &StudyController::goalLoaded,
                         [note](int goal) { note(QStringLiteral("goal %1").arg(goal)); });
        QObject::connect(&controller, &StudyController::ticksLoaded,
                         [note](const StudySettings &ticks) { note("ticks " + pattern(ticks)); });
        QObject::connect(&controller, &StudyController::settingsNotStoredAtStart,
                         [note](const QString &why) { note("not stored: " + why); });
        QObject::connect(&controller, &StudyController::sectionWanted, [note](auto section) {
            note(QStringLiteral("section ") +
                 QMetaEnum::fromType<StudyController::Section>().valueToKey(int(section)));
        });
        QObject::connect(&controller, &StudyController::stoneShown,
                         [note](StoneIndex stone) { note(QStringLiteral("stone %1").arg(stone)); });
        QObject::connect(&controller, &StudyController::walkButtonsChanged,
                         [note](std::optional<bool> back, std::optional<bool> next) {
                             note("buttons " + state(back) + state(next));
                         });
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    StudyWalk walk;
    QStringList events;
    StudyController controller{
        platform, walk,
        [this](const QString &text, Platform::Icon icon, Platform::Buttons buttons,
               Platform::Answer answer) {
            const std::array<QString, 3> icons{"Critical", "Warning", "Information"};
            events.append(icons[size_t(icon)] + ": " + text);
            return platform.message(nullptr, text, icon, buttons, answer, {});
        }};
};

} // namespace

class StudyControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void loadSteps_data();
    void loadSteps();
};

void StudyControllerTest::loadSteps_data()
{
    QTest::addColumn<QStringList>("stored"); // "Key=value"
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("walk");
    QTest::addColumn<QString>("written"); // in the order the keys are written
    QTest::addColumn<int>("afterSave");   // what a save of every tick says afterwards

    // The events, split at "|"; "..." stands for those of a walk shown from `stone`.
    const auto row = [](const char *name, const QStringList &stored, const QString &failure,
                        const QString &notice, const QString &events, int walk, const char *written,
                        int afterSave) {
        QString all = events;
        all.replace("...", "buttons 01|section MemorizeStones|stone");
        QTest::newRow(name) << stored << failure << notice << all.split('|') << walk << written
                            << afterSave;
    };
    row("empty store", {}, "", "", "goal 1|goal 2|ticks 11111111|... 0|section Settings", 24,
        "11111111", 0);
    row("first aett stored off", {"StoneGroup0=0"}, "", "",
        "goal 1|goal 2|ticks 01111111|... 8|section Settings", 16, "01111111", 0);
    row("no aett stored: no walk, nothing written",
        {"StoneGroup0=0", "StoneGroup1=0", "StoneGroup2=0"}, "", "",
        "goal 1|goal 2|ticks 00011111|Critical: Please Select A Stone Group|section Settings", 0,
        "", 0);
    const QString damaged = "The file /x/Orlendra.ini was damaged and could not be read.";
    row("damaged store, written over: told once", {}, "", damaged,
        "goal 1|goal 2|ticks 11111111|Information: " + damaged + "|... 0|section Settings", 24,
        "11111111", 0);
    // Not told here: it is the run's to tell, once (tst_leaving); a save the user asks for is.
    const QString readOnly = "The file /ro/Orlendra.ini could not be written.";
    row("store not writable", {}, readOnly, "",
        "goal 1|goal 2|ticks 11111111|not stored: " + readOnly + "|... 0|section Settings", 24,
        "11111111", 1);
}

void StudyControllerTest::loadSteps()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, failure);
    QFETCH(QString, notice);
    QFETCH(QStringList, events);
    QFETCH(int, walk);
    QFETCH(QString, written);
    QFETCH(int, afterSave);
    Study study;
    for (const QString &pair : std::as_const(stored))
        study.platform.store.values.insert("Settings/" + pair.section('=', 0, 0),
                                           pair.section('=', 1));
    study.platform.store.failure = failure;
    study.platform.store.notice = notice;
    study.controller.load();
    QCOMPARE(study.events, events);
    QString inOrder;
    for (const QString &key : std::as_const(study.platform.store.writtenKeys))
        inOrder += study.platform.store.read(QStringLiteral("Settings"), key);
    QCOMPARE(inOrder, written);
    QCOMPARE(study.walk.studyOrder.size(), walk);
    QCOMPARE(study.walk.studyPosition, 0);

    // Then Memorize with no aett ticked: refused, and nothing changes.
    study.events.clear();
    const auto before = study.platform.store.values;
    const qsizetype writes = study.platform.store.writtenKeys.size();
    StudySettings noAett = StudySettings::allTicked();
    noAett.stoneGroup = {false, false, false};
    study.controller.memorize(noAett);
    QCOMPARE(study.events, QStringList{"Critical: Please Select A Stone Group"});
    QCOMPARE(study.walk.studyOrder.size(), walk);
    QCOMPARE(study.platform.store.writtenKeys.size(), writes);
    QCOMPARE(study.platform.store.values, before);

    study.events.clear();
    QVERIFY(study.controller.saveSettings(StudySettings::allTicked()));
    QCOMPARE(study.events.size(), afterSave);
}

QTEST_GUILESS_MAIN(StudyControllerTest)
#include "tst_studycontroller.moc"
