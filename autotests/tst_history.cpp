#include "catalogue/runecatalogue.h"
#include "history/historystore.h"
#include "history/scorelines.h"
#include "ordinaryuser.h"
#include "progress/progresswindow.h"
#include "quiz/quizsession.h"
#include "quizscreens/reviewwindow.h"
#include "scriptedplatform.h"
#include "studyfixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
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
    void damagedValues_data();
    void damagedValues();
    void readOnlyHistory_data();
    void readOnlyHistory();
    void killedAnyMoment();
    void progressWindow();
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
    QCOMPARE(lines[0], QStringLiteral("finished,subject,level,question,stone,score,most"));
    QCOMPARE(lines[1], QStringLiteral("2026-01-05T03:04:05Z,Keywords,Beginner,1,%1,%2,1")
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
    // Told in words a learner can act on; the database's own only as a detail.
    const QString told = store.takeNotice();
    QVERIFY2(told.startsWith(QStringLiteral(
                 "This test could not be recorded in the history of your tests: the disk is "
                 "full.\n\nThe history still holds every test recorded before. Make room on the "
                 "disk, and the next test is recorded again.\n\nDetails: ")),
             qPrintable(told));
    QCOMPARE(store.pastTests().size(), kept);
    QCOMPARE(number(connection, QStringLiteral("SELECT count(*) FROM answer")), kept * 24);

    number(connection, QStringLiteral("PRAGMA max_page_count = 1000000"));
    // What is forgotten leaves the disk: the file is no larger than a new history's.
    const auto onDisk = [](const QString &in) {
        const QString file = QDir(in).filePath(HistoryDatabase::fileName);
        return QFileInfo(file).size() + QFileInfo(file + QStringLiteral("-wal")).size();
    };
    QTemporaryDir empty;
    QVERIFY(HistoryStore(empty.path()).open());
    QVERIFY(store.forget());
    QCOMPARE_LE(onDisk(folder.path()), onDisk(empty.path()));
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
    QTest::newRow("damaged past its first page")
        << "damaged inside" << true << true << "is damaged";
    QTest::newRow("foreign") << "foreign" << true << true << "is not a history of Orlendra's";
    QTest::newRow("version 0, brought up to date") << "empty" << true << false << "";
    QTest::newRow("written by a newer program") << "newer" << false << false << "a newer Orlendra";
    QTest::newRow("a folder") << "folder" << false << false << "is a folder";
    QTest::newRow("a read-only file") << "read-only file" << false << false << "cannot be written";
    QTest::newRow("a read-only folder")
        << "read-only folder" << false << false << "cannot be written";
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
    } else if (place == QLatin1String("damaged inside")) {
        RandomEngine engine(18);
        {
            HistoryStore store(folder.path());
            for (int test = 0; test < 3; ++test)
                QVERIFY(
                    store.record(takeTest(QuizSubject::Meanings, QuizSetup::Advanced, {}, engine),
                                 QDateTime::currentDateTimeUtc()));
        }
        QVERIFY(file.open(QIODevice::ReadWrite) && file.size() > 16384 && file.seek(4096));
        file.write(QByteArray(16384 - 4096, 'x'));
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
        QCOMPARE(number(again.connectionName(), QStringLiteral("PRAGMA user_version")), 1);
    }
}

void HistoryTest::damagedValues_data()
{
    QTest::addColumn<QString>("edit"); // of the first test, a meanings test at Beginner
    const auto answer = [](const char *change, int question) {
        return QStringLiteral("UPDATE answer SET %1 WHERE test = 1 AND question = %2")
            .arg(QLatin1String(change))
            .arg(question);
    };
    QTest::newRow("a stone past the last") << answer("stone = 99", 3);
    QTest::newRow("a stone before the first") << answer("stone = -5", 24);
    QTest::newRow("a meaning kind past the last") << answer("faces = '[3]'", 2);
    QTest::newRow("an option too few") << answer("options = json_remove(options, '$[0]')", 5);
    QTest::newRow("a tick not 0 or 1") << answer("ticked = '00200'", 7);
    QTest::newRow("a question gone") << "DELETE FROM answer WHERE test = 1 AND question = 9";
    QTest::newRow("most 0") << "UPDATE test SET most = 0 WHERE id = 1";
    QTest::newRow("a level past the last") << "UPDATE test SET level = 2 WHERE id = 1";
    QTest::newRow("a subject past the last") << "UPDATE test SET subject = 2 WHERE id = 1";
}

// A history edited by hand: a test holding an impossible value is left out of every view, and
// told once.
void HistoryTest::damagedValues()
{
    QFETCH(QString, edit);
    QTemporaryDir folder;
    RandomEngine engine(18);
    {
        HistoryStore store(folder.path());
        for (const QuizSubject subject : {QuizSubject::Meanings, QuizSubject::Keywords})
            QVERIFY(store.record(takeTest(subject, QuizSetup::Beginner, {}, engine),
                                 QDateTime::currentDateTimeUtc()));
        QSqlQuery query(QSqlDatabase::database(store.connectionName()));
        QVERIFY2(query.exec(edit) && query.numRowsAffected() == 1,
                 qPrintable(query.lastError().text()));
    }
    HistoryStore store(folder.path());
    const QList<PastTest> tests = store.pastTests();
    QCOMPARE(tests.size(), 1);
    QCOMPARE(tests[0].subject, QuizSubject::Keywords);
    QCOMPARE(store.takeNotice(), QStringLiteral("1 test in the history is damaged and not shown."));
    QVERIFY(!store.sheet(1));
    QVERIFY(store.sheet(tests[0].id));
    int asked = 0;
    for (const StoneTally &tally : store.stones())
        asked += tally.asked();
    QCOMPARE(asked, QuestionCount);
    QCOMPARE(QString::fromUtf8(store.csv()).count(QStringLiteral("\r\n")), 1 + QuestionCount);
    QCOMPARE(store.takeNotice(), QString());
}

void HistoryTest::readOnlyHistory_data()
{
    QTest::addColumn<bool>("folder");  // the folder cannot be written, otherwise the file
    QTest::addColumn<QString>("line"); // in Progress, %1 the history's folder
    QTest::newRow("a read-only file")
        << false << "New tests are not being kept: %1/history.sqlite cannot be written.";
    QTest::newRow("a read-only folder")
        << true << "New tests are not being kept: the folder %1 cannot be written.";
}

// A history that can only be read is still shown, with a line saying why new tests are not kept.
void HistoryTest::readOnlyHistory()
{
    QFETCH(bool, folder);
    QFETCH(QString, line);
    QTemporaryDir data;
    const QString path = QDir(data.path()).filePath(HistoryDatabase::fileName);
    RandomEngine engine(18);
    const AnswerSheet sheet = takeTest(QuizSubject::Keywords, QuizSetup::Beginner, {}, engine);
    QVERIFY(HistoryStore(data.path()).record(sheet, QDateTime::currentDateTimeUtc()));
    QVERIFY(asOrdinaryUser({data.path(), path}, [&] {
        if (!QFile::setPermissions(folder ? data.path() : path, QFile::ReadOwner | QFile::ExeOwner))
            return false;
        HistoryStore store(data.path());
        ScriptedPlatform platform;
        ProgressWindow progress(platform, store);
        progress.reload();
        return progress.pastTestsList()->model()->rowCount() == 1 &&
               progress.notKeptLine()->isVisibleTo(&progress) &&
               progress.notKeptLine()->text() == line.arg(QDir::toNativeSeparators(data.path())) &&
               !store.record(sheet, QDateTime::currentDateTimeUtc()) &&
               store.pastTests().size() == 1;
    }));
    QVERIFY(
        QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
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

    // Every control is a stop for Tab, and named.
    QWidget *first = QApplication::focusWidget();
    QSet<QWidget *> visited;
    for (QWidget *at = first; at && !visited.contains(at); at = QApplication::focusWidget()) {
        visited.insert(at);
        QVERIFY2(!at->accessibleName().isEmpty(), qPrintable(at->objectName()));
        QTest::keyClick(at, Qt::Key_Tab);
    }
    QCOMPARE(visited.size(), 7);

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
    QCOMPARE(lines[0], QByteArray("finished,subject,level,question,stone,score,most\r"));
    // A device is written as named; trouble is told in our words, the system's only as a detail.
    const QString device = data.filePath(QStringLiteral("full"));
    QVERIFY(linkToAFullDisk(device));
    run.platform.saveNames << device;
    run.platform.messages.clear();
    QTest::mouseClick(progress->findChild<QPushButton *>(QStringLiteral("cmdExport")),
                      Qt::LeftButton);
    QCOMPARE(run.platform.messages.value(0).text,
             QStringLiteral("The history could not be exported to %1.\nThere is not enough room "
                            "for it there. Make room on the disk, or save it somewhere else.\n\n"
                            "Any file of that name still holds what it held before.\n\n"
                            "Details: No space left on device")
                 .arg(QDir::toNativeSeparators(device)));

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
    QCOMPARE(run.platform.messages.last().buttons, Platform::Buttons::YesNoDestructive);
    QCOMPARE(run.platform.messages.last().defaultAnswer, Platform::Answer::No);
    QCOMPARE(tests->rowCount(), 2);
    run.platform.answers << Platform::Answer::Yes;
    QTest::mouseClick(forget, Qt::LeftButton);
    QCOMPARE(tests->rowCount(), 0);
    QVERIFY(!progress->studyButton()->isEnabled());
    QVERIFY(!progress->studyButton()->toolTip().isEmpty());
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
