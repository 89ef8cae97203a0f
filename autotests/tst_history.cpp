#include "catalogue/runecatalogue.h"
#include "history/historystore.h"
#include "history/schedule.h"
#include "history/scorelines.h"
#include "ordinaryuser.h"
#include "progress/progresswindow.h"
#include "quiz/quizsession.h"
#include "quizscreens/reviewwindow.h"
#include "studyfixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <cstdio>
#include <random>

namespace {

// A test run to its end through a session, every stone of `missed` answered wrong, every other
// one right.
AnswerSheet takeTest(QuizSubject subject, qint16 level, const QList<StoneIndex> &missed,
                     RandomEngine &engine)
{
    QuizSession session(engine);
    session.setStoneTypes({true, true, true});
    session.startTest(subject, level);
    session.pressNext({});
    for (;;) {
        const AnsweredQuestion &question = session.question();
        const bool miss = missed.contains(question.stone);
        // The boxes wanted first, others to make up the count.
        QList<int> ticks;
        QList<int> others;
        for (int box = 0; box < question.options.size(); ++box)
            (question.correctAnswers.contains(question.options[box]) != miss ? ticks : others)
                .append(box);
        ticks = (ticks + others).mid(0, level == QuizSetup::Advanced ? 4 : 1);
        const QuizSession::NextStep step = session.pressNext(ticks);
        if (step.kind == QuizSession::NextStep::Kind::Finished)
            return *session.lastFinished();
        if (step.kind == QuizSession::NextStep::Kind::Refused)
            qFatal("Refused: %s", qPrintable(step.text));
    }
}

// The child of the kill test: records tests until it is killed, saying after each commit how
// many it has recorded.
int recordUntilKilled(const QString &folder)
{
    HistoryStore store(folder);
    RandomEngine engine(std::random_device{}());
    for (int recorded = 1;; ++recorded) {
        const AnswerSheet sheet = takeTest(QuizSubject::Meanings, QuizSetup::Advanced, {}, engine);
        if (!store.record(sheet, QDateTime::currentDateTimeUtc()))
            return 1;
        std::printf("%d\n", recorded);
        std::fflush(stdout);
    }
}

// A Beginner test in a run of the program, set up with the mouse and answered with the digit
// keys and Return; the questions about `missed` are answered wrong.
void takeByKeyboard(ProgramRun &run, QuizSubject subject, StoneIndex missed)
{
    startTest(*run.app.studyWindow(), subject, QuizSetup::Beginner, QStringLiteral("URM"));
    QWidget *window = subject == QuizSubject::Meanings
                          ? static_cast<QWidget *>(run.app.frameWindow())
                          : run.app.studyWindow();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return;
    QuizSession &session = run.app.quizSession();
    for (int pressed = 0; session.runs(subject) && pressed < 2 * QuestionCount; ++pressed) {
        const AnsweredQuestion &question = session.question();
        int box = 0;
        while (question.correctAnswers.contains(question.options[box]) ==
               (question.stone == missed))
            ++box;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(Qt::Key_1 + box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
}

qint64 number(const QString &connection, const QString &statement)
{
    QSqlQuery query(QSqlDatabase::database(connection));
    return query.exec(statement) && query.next() ? query.value(0).toLongLong() : -1;
}

// The items grouped as "Keywords box 1 due 2026-11-03 lapsed 0: 0 1 3", by subject, box, due day
// and lapses.
QStringList boxes(const Schedule &schedule)
{
    QMap<QString, QStringList> groups;
    for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings}) {
        for (StoneIndex stone = 0; stone < StoneCount; ++stone) {
            const ItemState &s = schedule.item(stone, subject);
            groups[QStringLiteral("%1 box %2 due %3 lapsed %4")
                       .arg(subject == QuizSubject::Keywords ? "Keywords" : "Meanings")
                       .arg(s.box)
                       .arg(s.due.toString(Qt::ISODate))
                       .arg(s.lapses)] += QString::number(stone);
        }
    }
    QStringList lines;
    for (auto group = groups.cbegin(); group != groups.cend(); ++group)
        lines.append(group.key() + QStringLiteral(": ") + group.value().join(QLatin1Char(' ')));
    return lines;
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void store();
    void scoreLines();
    void badFiles_data();
    void badFiles();
    void killedAnyMoment();
    void progressWindow();
    void earlierHistoryScheduled();
};

// What is recorded reads back whole, in the order each view wants it.
void HistoryTest::store()
{
    QTemporaryDir folder;
    RandomEngine engine(18);
    const AnswerSheet first = takeTest(QuizSubject::Keywords, QuizSetup::Beginner, {3, 5}, engine);
    const AnswerSheet second = takeTest(QuizSubject::Meanings, QuizSetup::Advanced, {5}, engine);
    const QDateTime monday(QDate(2026, 1, 5), QTime(3, 4, 5), Qt::UTC);
    {
        HistoryStore store(folder.path());
        QVERIFY(store.record(first, monday));
        QVERIFY(store.record(second, monday.addDays(1)));
        QCOMPARE(store.takeNotice(), QString());
    }
    HistoryStore store(folder.path());
    const QList<PastTest> tests = store.pastTests();
    QCOMPARE(tests.size(), 2);
    QCOMPARE(tests[0].subject, QuizSubject::Meanings);
    QCOMPARE(tests[0].score, 92);
    QCOMPARE(tests[0].most, 96);
    QCOMPARE(tests[1].finishedMs, monday.toMSecsSinceEpoch());
    QCOMPARE(tests[1].score, 22);

    const std::optional<AnswerSheet> back = store.sheet(tests[0].id);
    QVERIFY(back);
    QCOMPARE(back->stoneTypes, second.stoneTypes);
    for (int q = 0; q < QuestionCount; ++q) {
        const AnsweredQuestion &was = second.answers[q];
        const AnsweredQuestion &is = back->answers[q];
        QCOMPARE(is.stone, was.stone);
        QCOMPARE(is.meaningKinds, was.meaningKinds);
        QCOMPARE(is.options, was.options);
        QCOMPARE(is.ticked, was.ticked);
        QCOMPARE(is.correctAnswers, was.correctAnswers);
        QCOMPARE(is.score, was.score);
    }

    const QList<StoneTally> stones = store.stones();
    QCOMPARE(HistoryRules::weakestStones(stones), (QList<StoneIndex>{5, 3, 0, 1, 2, 4}));
    QCOMPARE(stones[1].keywordsFull + stones[1].meaningsFull, 1);
    QCOMPARE(stones[0].lastAskedMs, monday.addDays(1).toMSecsSinceEpoch());

    const QStringList lines = QString::fromUtf8(store.csv()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 48 + 1);
    QCOMPARE(lines[0], QStringLiteral("finished,subject,level,question,stone,score,most,round"));
    QCOMPARE(lines[1], QStringLiteral("2026-01-05T03:04:05Z,Keywords,Beginner,1,%1,%2,1,test")
                           .arg(loadRuneCatalogue().stoneNames[first.answers[0].stone])
                           .arg(first.answers[0].score));
    QVERIFY(lines[48].startsWith(QStringLiteral("2026-01-06T03:04:05Z,Meanings,Advanced,24,")));

    // A full disk, as a database that may not grow: the test is not kept, and nothing else goes.
    const QString connection = store.connectionName();
    const qint64 pages = number(connection, QStringLiteral("PRAGMA page_count"));
    QCOMPARE(number(connection, QStringLiteral("PRAGMA max_page_count = %1").arg(pages)), pages);
    qint64 kept = 2;
    while (kept < 20 && store.record(first, monday.addDays(2)))
        ++kept;
    QVERIFY(store.takeNotice().contains(QStringLiteral("the disk is full")));
    QCOMPARE(store.pastTests().size(), kept);
    QCOMPARE(number(connection, QStringLiteral("SELECT count(*) FROM answer")), kept * 24);

    number(connection, QStringLiteral("PRAGMA max_page_count = 1000000"));
    QVERIFY(store.forget());
    QVERIFY(store.pastTests().isEmpty());
    QCOMPARE(store.stones()[0].asked(), 0);
}

// The chart's lines run from the oldest test, one per kind, with a sentence each for those who do
// not see them.
void HistoryTest::scoreLines()
{
    const ScoreLines none = ::scoreLines({}, 77);
    QCOMPARE(none.lineNames(), (QStringList{"Keywords Beginner", "Keywords Advanced",
                                            "Meanings Beginner", "Meanings Advanced"}));
    QCOMPARE(none.firstMs, 77);
    QCOMPARE(none.lastMs, 77);

    // Newest first, as the history lists them.
    const QList<PastTest> tests{{3, 3000, QuizSubject::Keywords, QuizSetup::Beginner, 12, 24},
                                {2, 2000, QuizSubject::Meanings, QuizSetup::Advanced, 48, 96},
                                {1, 1000, QuizSubject::Keywords, QuizSetup::Beginner, 24, 24}};
    const ScoreLines drawn = ::scoreLines(tests, 77);
    QCOMPARE(drawn.firstMs, 1000);
    QCOMPARE(drawn.lastMs, 3000);
    QCOMPARE(drawn.lines[0].points, (QList<QPointF>{{1000, 100}, {3000, 50}}));
    QVERIFY(drawn.lines[1].points.isEmpty() && drawn.lines[2].points.isEmpty());
    QCOMPARE(drawn.lines[3].points, (QList<QPointF>{{2000, 50}}));
    QCOMPARE(drawn.sentences(),
             (QStringList{"Keywords Beginner: 2 tests, last 50%, best 100%.",
                          "Keywords Advanced: no tests.", "Meanings Beginner: no tests.",
                          "Meanings Advanced: 1 test, last 50%, best 50%."}));
}

void HistoryTest::badFiles_data()
{
    QTest::addColumn<QString>("place");   // what stands where the history belongs
    QTest::addColumn<bool>("recorded");   // a finished test is kept after all
    QTest::addColumn<bool>("movedAside"); // the old file, under another name
    QTest::addColumn<QString>("told");    // part of what the user hears

    QTest::newRow("damaged") << "damaged" << true << true << "is damaged";
    QTest::newRow("foreign") << "foreign" << true << true << "is not a history of Orlendra's";
    QTest::newRow("version 0, brought up to date") << "empty" << true << false << "";
    QTest::newRow("written by a newer program") << "newer" << false << false << "a newer Orlendra";
    QTest::newRow("a folder") << "folder" << false << false << "is a folder";
    QTest::newRow("a read-only file") << "read-only file" << false << false << "cannot be written";
    QTest::newRow("a read-only folder") << "read-only folder" << false << false << "unable to open";
}

// Whatever stands in the history's place, tests go on; what is wrong is told once.
void HistoryTest::badFiles()
{
    QFETCH(QString, place);
    QFETCH(bool, recorded);
    QFETCH(bool, movedAside);
    QFETCH(QString, told);

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(HistoryDatabase::fileName);
    QFile file(path);
    if (place == QLatin1String("damaged")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("Not a database at all, only words.\n").repeated(200));
        file.close();
    } else if (place == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(HistoryDatabase::fileName));
    } else if (place != QLatin1String("read-only folder")) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), place);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        if (place == QLatin1String("foreign"))
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE contacts(name TEXT)")));
        if (place == QLatin1String("newer"))
            QVERIFY(query.exec(QStringLiteral("PRAGMA application_id = 1332898916")) &&
                    query.exec(QStringLiteral("PRAGMA user_version = 99")));
        query.exec(QStringLiteral("PRAGMA user_version"));
        db.close();
    }
    QSqlDatabase::removeDatabase(place);
    const QByteArray before = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();

    RandomEngine engine(18);
    const AnswerSheet sheet = takeTest(QuizSubject::Keywords, QuizSetup::Beginner, {}, engine);
    const auto records = [&] {
        HistoryStore store(folder.path());
        const bool kept = store.record(sheet, QDateTime::currentDateTimeUtc());
        const QString notice = store.takeNotice();
        // A second test in the same run: nothing more to tell.
        const bool again = store.record(sheet, QDateTime::currentDateTimeUtc()) == kept &&
                           store.takeNotice().isEmpty();
        const bool asExpected =
            kept == recorded && notice.contains(told) && told.isEmpty() == notice.isEmpty();
        if (!asExpected)
            qWarning("Recorded: %d, told: %s", kept, qPrintable(notice));
        return asExpected && again;
    };
    if (place.startsWith(QLatin1String("read-only"))) {
        QStringList handedOver{folder.path()};
        if (file.exists())
            handedOver.append(path);
        QVERIFY(asOrdinaryUser(handedOver, [&] {
            return QFile::setPermissions(place.endsWith(QLatin1String("file")) ? path
                                                                               : folder.path(),
                                         QFile::ReadOwner | QFile::ExeOwner) &&
                   records();
        }));
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    } else {
        QVERIFY(records());
    }

    const QStringList aside = QDir(folder.path()).entryList({QStringLiteral("*.damaged-*")});
    QCOMPARE(aside.size(), movedAside ? 1 : 0);
    if (movedAside) {
        QFile old(QDir(folder.path()).filePath(aside[0]));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
    }
    HistoryStore again(folder.path());
    if (recorded) {
        QCOMPARE(again.pastTests().size(), 2);
        QCOMPARE(number(again.connectionName(), QStringLiteral("PRAGMA user_version")), 2);
    }
}

// A run killed at any moment leaves a whole database that holds every test it committed.
void HistoryTest::killedAnyMoment()
{
    QTemporaryDir folder;
    // Fixed, so that a failure comes back on the next run.
    std::mt19937 random(18);
    qint64 kept = 0;
    for (int run = 0; run < 25; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--record-until-killed"), folder.path()});
        QVERIFY(child.waitForStarted());
        QTest::qSleep(std::uniform_int_distribution<int>(10, 150)(random));
        child.kill();
        QVERIFY(child.waitForFinished());
        const QList<QByteArray> said = child.readAllStandardOutput().split('\n');
        const qint64 committed = said.size() > 1 ? said[said.size() - 2].toLongLong() : 0;

        HistoryStore store(folder.path());
        QVERIFY(store.open());
        const QString connection = store.connectionName();
        QSqlQuery check(QSqlDatabase::database(connection));
        QVERIFY(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
        QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
        const qint64 tests = number(connection, QStringLiteral("SELECT count(*) FROM test"));
        // Each told commit is there; at most the one it had no time to tell besides.
        QVERIFY2(tests == kept + committed || tests == kept + committed + 1,
                 qPrintable(QStringLiteral("%1 kept, %2 committed, %3 found")
                                .arg(kept)
                                .arg(committed)
                                .arg(tests)));
        QCOMPARE(number(connection, QStringLiteral("SELECT count(*) FROM answer")), tests * 24);
        kept = tests;
    }
    QVERIFY2(kept > 0, "No test was ever committed");
}

// Two tests taken, the program started again: the Progress window shows both and walks the stones
// they missed.
void HistoryTest::progressWindow()
{
    QTemporaryDir data;
    const StoneIndex missedInKeywords = 4;
    const StoneIndex missedInMeanings = 9;
    {
        ProgramRun run;
        run.platform.dataPath = data.path();
        QVERIFY(run.app.start());
        takeByKeyboard(run, QuizSubject::Keywords, missedInKeywords);
        takeByKeyboard(run, QuizSubject::Meanings, missedInMeanings);
        QTRY_VERIFY(run.app.studyWindow() && run.app.studyWindow()->isActiveWindow());
        QCOMPARE(run.app.quizSession().lastFinished()->subject, QuizSubject::Meanings);
        QVERIFY(run.platform.messages.isEmpty());
    }
    ProgramRun run;
    run.platform.dataPath = data.path();
    QVERIFY(run.app.start());
    StudyWindow *study = run.app.studyWindow();
    QVERIFY(QTest::qWaitForWindowActive(study));
    const QStringList settingsWritten = run.platform.store.writtenKeys;
    QTest::keyClick(study, Qt::Key_P, Qt::ControlModifier);
    ProgressWindow *progress = run.app.progressWindow();
    QVERIFY(progress && QTest::qWaitForWindowActive(progress));
    QCOMPARE(progress->windowTitle(), QStringLiteral("Progress"));
    QVERIFY(progress->screen()->availableGeometry().contains(progress->frameGeometry()));

    const QString description = progress->chart()->accessibleDescription();
    QVERIFY2(description.contains(QStringLiteral("Keywords Beginner: 1 test, last 96%, best 96%.")),
             qPrintable(description));
    QVERIFY(description.contains(QStringLiteral("Meanings Beginner: 1 test, last 96%")));
    QAbstractItemModel *tests = progress->pastTestsList()->model();
    QCOMPARE(tests->rowCount(), 2);
    QCOMPARE(tests->index(0, 1).data().toString(), QStringLiteral("Meanings Beginner"));
    QCOMPARE(tests->index(1, 2).data().toString(), QStringLiteral("23 Correct Out Of 24"));
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QAbstractItemModel *stones = progress->stonesTable()->model();
    QCOMPARE(stones->index(0, 0).data().toString(), catalogue.stoneNames[missedInKeywords]);
    QCOMPARE(stones->index(1, 0).data().toString(), catalogue.stoneNames[missedInMeanings]);
    QCOMPARE(stones->index(0, 1).data().toString(), QStringLiteral("0%"));
    QCOMPARE(stones->index(0, 3).data().toString(), QStringLiteral("2"));
    // Both on the clock's one day: the keywords of the one stone and the meanings of the other
    // are due again today.
    auto *dueCounts = progress->findChild<QLabel *>(QStringLiteral("lblDueCounts"));
    auto *streak = progress->findChild<QLabel *>(QStringLiteral("lblStreak"));
    QCOMPARE(dueCounts->text(), QStringLiteral("Due today: 2. In the next 7 days: 46 more."));
    QCOMPARE(streak->text(), QStringLiteral("Streak: 1 day"));

    // Every control is a stop for Tab, and named.
    QWidget *first = QApplication::focusWidget();
    QSet<QWidget *> visited;
    for (QWidget *at = first; at && !visited.contains(at); at = QApplication::focusWidget()) {
        visited.insert(at);
        QVERIFY2(!at->accessibleName().isEmpty(), qPrintable(at->objectName()));
        QTest::keyClick(at, Qt::Key_Tab);
    }
    QCOMPARE(visited.size(), 8);

    // Return on a past test opens its review, read from the history.
    progress->pastTestsList()->setFocus();
    progress->pastTestsList()->setCurrentIndex(tests->index(1, 0));
    QTest::keyClick(progress->pastTestsList(), Qt::Key_Return);
    ReviewWindow *review = nullptr;
    QTRY_VERIFY((review = progress->findChild<ReviewWindow *>()) && review->isVisible());
    QCOMPARE(review->findChild<QLabel *>(QStringLiteral("lblReviewTitle"))->text(),
             QStringLiteral("Stone Keywords, Beginner: 23 Correct Out Of 24"));
    review->close();

    // The export: every answer of both tests under its header.
    const QString csv = data.filePath(QStringLiteral("history"));
    run.platform.saveNames << csv;
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("cmdExport")),
                      Qt::LeftButton);
    QFile exported(csv + QStringLiteral(".csv"));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = exported.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 48 + 1);
    QCOMPARE(lines[0], QByteArray("finished,subject,level,question,stone,score,most,round\r"));

    // The weakest stones, walked without touching the study ticks.
    QVERIFY(progress->studyButton()->isEnabled());
    QTest::mouseClick(progress->studyButton(), Qt::LeftButton);
    QCOMPARE(run.app.walk().studyOrder.mid(0, 2),
             (QList<StoneIndex>{missedInKeywords, missedInMeanings}));
    QCOMPARE(run.app.walk().studyOrder.size(), 6);
    QCOMPARE(study->frontSection(), StudyWindow::Section::MemorizeStones);
    QCOMPARE(study->findChild<QLabel *>(QStringLiteral("lblStoneName"))->text(),
             catalogue.stoneNames[missedInKeywords]);
    QCOMPARE(run.platform.store.writtenKeys, settingsWritten);

    // Forgetting asks, No by default.
    QPushButton *forget = progress->findChild<QPushButton *>(QStringLiteral("cmdForget"));
    QTest::mouseClick(forget, Qt::LeftButton);
    QCOMPARE(run.platform.messages.last().defaultAnswer, Platform::Answer::No);
    QCOMPARE(tests->rowCount(), 2);
    run.platform.answers << Platform::Answer::Yes;
    QTest::mouseClick(forget, Qt::LeftButton);
    QCOMPARE(tests->rowCount(), 0);
    QCOMPARE(dueCounts->text(), QStringLiteral("Due today: 48. In the next 7 days: 0 more."));
    QCOMPARE(streak->text(), QStringLiteral("Streak: 0 days"));
    QVERIFY(!progress->studyButton()->isEnabled());
    QVERIFY(!progress->studyButton()->toolTip().isEmpty());
}

// A history of the release before the boxes: its answers put the items in their boxes, and a
// practice round after them moves its items and is kept beside the tests.
void HistoryTest::earlierHistoryScheduled()
{
    QTemporaryDir data;
    const QString path = data.filePath(HistoryDatabase::fileName);
    QVERIFY(QFile::copy(QStringLiteral(ORLENDRA_FIXTURES "/history-v1.sqlite"), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    // Keywords on 2 November at 09:30, three stones missed; meanings at 02:15 that night, still
    // the learner's 2 November: Ingwaz (21) missed, Dagaz (22) half right. Each stone's second
    // item comes back a day after its first.
    const QStringList migrated{
        QStringLiteral("Keywords box 1 due 2026-11-02 lapsed 0: 2 4 11"),
        QStringLiteral(
            "Keywords box 1 due 2026-11-03 lapsed 0: 0 1 3 5 6 7 8 9 10 12 13 14 15 16 17 18 19 "
            "20 21 22 23"),
        QStringLiteral("Meanings box 1 due 2026-11-02 lapsed 0: 21"),
        QStringLiteral("Meanings box 1 due 2026-11-03 lapsed 0: 2 4 11"),
        QStringLiteral(
            "Meanings box 1 due 2026-11-04 lapsed 0: 0 1 3 5 6 7 8 9 10 12 13 14 15 16 17 18 19 "
            "20 22 23")};
    HistoryStore store(data.path());
    // Read back from the rows the migration wrote.
    QCOMPARE(boxes(store.schedule()), migrated);
    QCOMPARE(number(store.connectionName(), QStringLiteral("PRAGMA user_version")), 2);
    QCOMPARE(number(store.connectionName(), QStringLiteral("SELECT count(*) FROM schedule_item")),
             48);

    // The next morning: Fehu's and Thurisaz's keywords right, Ingwaz's meanings missed again.
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    const auto asked = [&catalogue](StoneIndex stone, QuizSubject subject, bool right) {
        const auto text = [&](int s) {
            return subject == QuizSubject::Keywords ? catalogue.keywordsOf(s).first()
                                                    : catalogue.uprightMeanings[s];
        };
        return PracticeAnswer{subject,
                              {stone,
                               {},
                               {text(stone + 1), text(stone)},
                               {!right, right},
                               {text(stone)},
                               qint16(right ? 1 : 0)}};
    };
    PracticeRound round;
    round.answers = {asked(2, QuizSubject::Keywords, true), asked(21, QuizSubject::Meanings, false),
                     asked(0, QuizSubject::Keywords, true)};
    ScriptedPlatform platform;
    platform.clock = QDateTime({2026, 11, 3}, {10, 0});
    QVERIFY(store.record(round, platform.now()));
    const QStringList practised{
        QStringLiteral("Keywords box 1 due 2026-11-02 lapsed 0: 4 11"),
        QStringLiteral(
            "Keywords box 1 due 2026-11-03 lapsed 0: 1 3 5 6 7 8 9 10 12 13 14 15 16 17 18 19 20 "
            "21 22 23"),
        QStringLiteral("Keywords box 2 due 2026-11-05 lapsed 0: 0 2"),
        QStringLiteral("Meanings box 1 due 2026-11-03 lapsed 0: 2 4 11 21"),
        QStringLiteral(
            "Meanings box 1 due 2026-11-04 lapsed 0: 0 1 3 5 6 7 8 9 10 12 13 14 15 16 17 18 19 "
            "20 22 23")};
    QCOMPARE(boxes(store.schedule()), practised);
    QCOMPARE(boxes(HistoryStore(data.path()).schedule()), practised);

    const QStringList lines = QString::fromUtf8(store.csv()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 48 + 3 + 1);
    QCOMPARE(lines[50], QStringLiteral("2026-11-03T10:00:00Z,Meanings,Beginner,2,%1,0,1,practice")
                            .arg(catalogue.stoneNames[21]));
    const QList<StoneTally> tallies = store.stones();
    const auto ingwaz = std::find_if(tallies.begin(), tallies.end(),
                                     [](const StoneTally &tally) { return tally.stone == 21; });
    QCOMPARE(ingwaz->meaningsAsked, 2);
    QCOMPARE(ingwaz->meaningsFull, 0);

    ProgressWindow progress(platform, store);
    progress.reload();
    const QAbstractItemModel *tests = progress.pastTestsList()->model();
    QCOMPARE(tests->rowCount(), 3);
    QCOMPARE(tests->index(0, 1).data().toString(), QStringLiteral("Practice"));
    QCOMPARE(tests->index(0, 2).data().toString(), QStringLiteral("2 Correct Out Of 3"));
    QCOMPARE(tests->index(1, 1).data().toString(), QStringLiteral("Meanings Advanced"));
    QCOMPARE(progress.findChild<QLabel *>(QStringLiteral("lblDueCounts"))->text(),
             QStringLiteral("Due today: 26. In the next 7 days: 22 more."));
    QCOMPARE(progress.findChild<QLabel *>(QStringLiteral("lblStreak"))->text(),
             QStringLiteral("Streak: 2 days"));
    const QAbstractItemModel *schedule = progress.scheduleTable()->model();
    QCOMPARE(schedule->index(2, 1).data().toString(), QStringLiteral("2"));
    QCOMPARE(schedule->index(21, 4).data().toString(), QStringLiteral("today"));
    QCOMPARE(schedule->index(23, 4).data().toString(), QStringLiteral("tomorrow"));
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--record-until-killed") == 0) {
        QCoreApplication app(argc, argv);
        return recordUntilKilled(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    HistoryTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_history.moc"
