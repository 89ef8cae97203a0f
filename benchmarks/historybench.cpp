// How long the history takes: recording a finished test (its one transaction, made durable), and
// putting one aside to wait while another program holds the file;
// over a history of 100,000 tests, opening "Progress" from the file not yet open to the window
// painted, scrolling its past tests to the oldest, exporting it, what a screen reader waits for
// the list and the memory the window leaves behind once closed; the count of items due over the
// same history, from the file not yet open, and the day's backup of that history.
#include "finishedtest.h"
#include "history/historystore.h"
#include "history/schedule.h"
#include "progress/progresswindow.h"
#include "scriptedplatform.h"
#include "shownprobe.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <array>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int HistorySize = 100000;

// HistorySize tests of all four kinds, up to today, some thirty a day. Four are recorded as the
// program records them; the rest are copies written straight in SQL, in one transaction, with
// scores that wander about a mean that rises over the years, so that the chart has something to
// show.
bool fillHistory(const QString &folder)
{
    HistoryStore store(folder);
    RandomEngine engine(18);
    if (!store.open())
        return false;
    const qint64 stepMs = 45 * 60 * 1000;
    const QDateTime first = QDateTime::currentDateTimeUtc().addMSecs(-stepMs * HistorySize);
    int kind = 0;
    for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings}) {
        for (QuizLevel level : {QuizLevel::Beginner, QuizLevel::Advanced}) {
            if (!store.record(finishedTest(engine, subject, level),
                              first.addMSecs(stepMs * ++kind)))
                return false;
        }
    }
    QSqlDatabase db = QSqlDatabase::database(store.connectionName());
    QSqlQuery query(db);
    const QString numbers =
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 5 UNION ALL SELECT i + 1 "
                       "FROM n WHERE i < %1) ")
            .arg(HistorySize);
    return query.exec(QStringLiteral("PRAGMA synchronous = OFF")) && db.transaction() &&
           query.exec(
               numbers +
               QStringLiteral("INSERT INTO test(id, finished, subject, level, stone_types, "
                              "score, most, practice) SELECT n.i, %1 + n.i * %2, "
                              "t.subject, t.level, t.stone_types, "
                              "max(0, min(t.most, t.most * (20 + 70 * n.i / %3 - 8 * t.id) / 100 "
                              "+ (n.i * 7919) % (t.most / 4 + 1) - t.most / 8)), "
                              "t.most, 0 FROM n JOIN test t ON t.id = (n.i - 1) % 4 + 1")
                   .arg(first.toMSecsSinceEpoch())
                   .arg(stepMs)
                   .arg(HistorySize)) &&
           query.exec(numbers +
                      QStringLiteral("INSERT INTO answer(test, question, stone, faces, options, "
                                     "ticked, correct, score, subject) SELECT n.i, a.question, "
                                     "a.stone, a.faces, a.options, a.ticked, a.correct, a.score, "
                                     "a.subject FROM n JOIN answer a ON a.test = (n.i - 1) % 4 + 1 "
                                     "ORDER BY n.i, a.question")) &&
           db.commit();
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

// The Progress window over the history, painted.
ProgressWindow *paintedProgress(Platform &platform, HistoryStore &store)
{
    PaintSeen paint;
    auto *progress = new ProgressWindow(platform, store);
    progress->installEventFilter(&paint);
    progress->resize(900, 700);
    progress->reload();
    progress->show();
    while (!paint.seen)
        QCoreApplication::processEvents();
    progress->removeEventFilter(&paint);
    return progress;
}

// What a screen reader asks of the past tests when the window opens: how many children the list
// has, the cells of the last row in sight, and (some do) every child at once. The waits, in
// microseconds, in that order.
std::array<qint64, 3> readAsAScreenReader(QTreeView *list)
{
    std::array<qint64, 3> waited{};
    QElapsedTimer timer;
    timer.start();
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(list);
    QAccessibleTableInterface *table = view ? view->tableInterface() : nullptr;
    if (!table)
        return waited;
    const int children = view->childCount();
    waited[0] = timer.nsecsElapsed() / 1000;
    timer.restart();
    const int lastSeen = list->indexAt(QPoint(1, list->viewport()->height() - 2)).row();
    for (int column = 0; column < table->columnCount(); ++column) {
        if (QAccessibleInterface *cell = table->cellAt(std::max(lastSeen, 0), column))
            (void)cell->text(QAccessible::Name);
    }
    waited[1] = timer.nsecsElapsed() / 1000;
    timer.restart();
    for (int child = 0; child < children; ++child)
        (void)view->child(child);
    waited[2] = timer.nsecsElapsed() / 1000;
    return waited;
}

// A history of its own with one test in it already, so that the recording measured is not the one
// that makes the file.
struct OneTestHistory {
    OneTestHistory(QuizSubject subject, QuizLevel level)
        : sheet(finishedTest(engine, subject, level))
    {}
    bool start() { return store.record(sheet, QDateTime::currentDateTimeUtc()); }

    QTemporaryDir folder;
    HistoryStore store{folder.path()};
    RandomEngine engine{18};
    AnswerSheet sheet;
};

} // namespace

class HistoryBench : public QObject
{
    Q_OBJECT

private slots:
    void record()
    {
        OneTestHistory history(QuizSubject::Meanings, QuizLevel::Advanced);
        QVERIFY(history.start());
        QBENCHMARK
        {
            history.store.record(history.sheet, QDateTime::currentDateTimeUtc());
        }
    }

    // A test finished while another program holds the file waits in memory: the window must not
    // stall for the lock before it shows the score.
    void recordWhileHeld()
    {
        OneTestHistory history(QuizSubject::Keywords, QuizLevel::Beginner);
        QVERIFY(history.start());
        HistoryStore &store = history.store;
        const QString path = QDir(history.folder.path()).filePath(HistoryDatabase::fileName);
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
            other.setDatabaseName(path);
            QSqlQuery query(other);
            QVERIFY(other.open() && query.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
                    query.exec(QStringLiteral("DELETE FROM test WHERE id < 0")));
            QElapsedTimer took;
            took.start();
            QVERIFY(store.record(history.sheet, QDateTime::currentDateTimeUtc()));
            qInfo("Recorded to wait in %lld ms, with %lld waiting", took.elapsed(),
                  qint64(store.waitingTests()));
            other.close();
        }
        QSqlDatabase::removeDatabase(path);
    }

    // ORLENDRA_BENCH_HISTORY names a folder to keep the filled history in, for the next run and
    // for the program to be tried on.
    void initTestCase()
    {
        m_folder = qEnvironmentVariable("ORLENDRA_BENCH_HISTORY", m_filled.path());
        QElapsedTimer filling;
        filling.start();
        QVERIFY(QFile::exists(QDir(m_folder).filePath(HistoryDatabase::fileName)) ||
                fillHistory(m_folder));
        qInfo("The history was ready in %lld ms", filling.elapsed());
    }

    // The first opening of a run reads the whole history through once, to leave out any test
    // that holds what no recording writes, unless the start began that beside the program long
    // enough before; the others, measured, open over the store as kept.
    void openProgress()
    {
        ScriptedPlatform platform;
        HistoryStore store(m_folder);
        QElapsedTimer first;
        first.start();
        delete paintedProgress(platform, store);
        qInfo("The first opening of the run took %lld ms", first.elapsed());
        {
            // As a learner opens it right after a start, which read the items due and so began
            // the look beside the program: the window is up at once and fills when it has ended.
            HistoryStore started(m_folder);
            (void)started.schedule();
            first.restart();
            std::unique_ptr<ProgressWindow> window(paintedProgress(platform, started));
            const qint64 painted = first.elapsed();
            QTRY_VERIFY_WITH_TIMEOUT(window->pastTestsList()->model()->rowCount() > 0, 60000);
            qInfo("Opened right after the start: painted after %lld ms, filled after %lld ms",
                  painted, first.elapsed());
        }
        QBENCHMARK
        {
            delete paintedProgress(platform, store);
        }
        QVERIFY(platform.messages.isEmpty());
    }

    // ORLENDRA_BENCH_GRAB names a folder for pictures of the window, in the desktop's palette and
    // in a dark one, to judge the chart by eye.
    void grabProgress()
    {
        const QString folder = qEnvironmentVariable("ORLENDRA_BENCH_GRAB");
        if (folder.isEmpty())
            QSKIP("ORLENDRA_BENCH_GRAB is not set");
        ScriptedPlatform platform;
        HistoryStore store(m_folder);
        std::unique_ptr<ProgressWindow> progress(paintedProgress(platform, store));
        QVERIFY(progress->grab().save(QDir(folder).filePath(QStringLiteral("progress-light.png"))));
        const QPalette light = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x2d, 0x2d, 0x30));
        dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
        dark.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3d));
        dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
        dark.setColor(QPalette::Mid, QColor(0x55, 0x55, 0x58));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        QVERIFY(progress->grab().save(QDir(folder).filePath(QStringLiteral("progress-dark.png"))));
        QApplication::setPalette(light);
    }

    // From the newest test to the oldest, a page at a time as the user drags the scroll bar down.
    void scrollToOldest()
    {
        ScriptedPlatform platform;
        HistoryStore store(m_folder);
        std::unique_ptr<ProgressWindow> progress(paintedProgress(platform, store));
        QTreeView *list = progress->pastTestsList();
        QAbstractItemModel *rows = list->model();
        QBENCHMARK_ONCE
        {
            do {
                list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
                QCoreApplication::processEvents();
            } while (rows->canFetchMore({}));
        }
        QCOMPARE(rows->rowCount(), HistorySize);
    }

    void exportHistory()
    {
        ScriptedPlatform platform;
        HistoryStore store(m_folder);
        std::unique_ptr<ProgressWindow> progress(paintedProgress(platform, store));
        QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("history.csv"));
        QBENCHMARK_ONCE
        {
            platform.saveNames << csv;
            progress->exportHistory();
            while (!QFile::exists(csv))
                QCoreApplication::processEvents();
        }
        QVERIFY(QFileInfo(csv).size() > 1000 * HistorySize);
    }

    // A screen reader's questions about the past tests as the window opens, in milliseconds.
    void screenReaderWait()
    {
        ScriptedPlatform platform;
        HistoryStore store(m_folder);
        std::unique_ptr<ProgressWindow> progress(paintedProgress(platform, store));
        const std::array<qint64, 3> waited = readAsAScreenReader(progress->pastTestsList());
        qInfo("A screen reader waited %lld us for the past tests' child count, %lld us for the "
              "last row in sight, %lld us for every child",
              waited[0], waited[1], waited[2]);
    }

    // The window opened and closed as the program does, with a screen reader reading the list:
    // what stays in memory after one opening and after ten.
    void memoryAfterClosing()
    {
        ScriptedPlatform platform;
        HistoryStore store(m_folder);
        QList<qint64> resident;
        // Kept between openings for as long as it lives, as the program keeps it.
        QPointer<ProgressWindow> progress;
        for (int opening = 1; opening <= 10; ++opening) {
            if (!progress) {
                progress = paintedProgress(platform, store);
                progress->setAttribute(Qt::WA_DeleteOnClose);
            } else {
                progress->reload();
                progress->show();
                QCoreApplication::processEvents();
            }
            readAsAScreenReader(progress->pastTestsList());
            progress->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
            resident.append(residentBytes());
        }
        delete progress.data();
        qInfo("Resident after one opening: %lld MB, after ten: %lld MB", resident.first() >> 20,
              resident.last() >> 20);
    }

    // The first use of a run: the file opened, the count of items due that a start shows beside
    // "Practice" (read from the boxes as kept, not replayed), and the check of every page, which
    // runs beside the program until the first record waits for it, here until the store closes.
    void openHistory()
    {
        const QDate today = learnerDay(QDateTime::currentDateTime());
        QList<double> opened;
        QList<double> counted;
        QList<double> checked;
        for (int run = 0; run < 5; ++run) {
            auto store = std::make_unique<HistoryStore>(m_folder);
            QElapsedTimer timer;
            timer.start();
            QVERIFY(store->open());
            opened.append(double(timer.nsecsElapsed()) / 1e6);
            const int due = store->schedule().dueCount(today);
            counted.append(double(timer.nsecsElapsed()) / 1e6);
            QVERIFY(due >= 0 && due <= Schedule::ItemCount);
            // Closing waits for the check.
            store.reset();
            checked.append(double(timer.nsecsElapsed()) / 1e6);
        }
        for (QList<double> *times : {&opened, &counted, &checked})
            std::sort(times->begin(), times->end());
        qInfo("Medians of five: opened %.1f ms, items due counted %.1f ms, every page checked "
              "%.1f ms",
              opened[2], counted[2], checked[2]);
    }

    // What a start costs the processor beside the window, from the history opened for the count
    // of items due to the look for damaged tests and the check of every page both ended, on all
    // threads: the first start after the file was brought up to date, which looks at every test,
    // then starts with nothing changed since.
    void startCost()
    {
        const auto processorMs = [] {
            rusage used{};
            getrusage(RUSAGE_SELF, &used);
            return double(used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1000.0 +
                   double(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1000.0;
        };
        const QDate today = learnerDay(QDateTime::currentDateTime());
        {
            HistoryStore store(m_folder);
            QSqlQuery query(QSqlDatabase::database((store.open(), store.connectionName())));
            QVERIFY(query.exec(QStringLiteral("DELETE FROM looked")));
        }
        QList<double> costs;
        for (int start = 0; start < 7; ++start) {
            // A file is taken as unchanged only once its last change is a second old: starts
            // are further apart than that.
            QThread::msleep(1100);
            const double before = processorMs();
            {
                HistoryStore store(m_folder);
                QVERIFY(store.schedule().dueCount(today) >= 0);
                // Waits for the look, then for the check as the store closes.
                PastTestsCursor newest;
                QCOMPARE(store.pastTests(newest, 1).size(), 1);
            }
            costs.append(processorMs() - before);
        }
        const double first = costs.takeFirst();
        // The second reads every page once more, as the first changed the file.
        costs.takeFirst();
        std::sort(costs.begin(), costs.end());
        qInfo("Processor time of a start's history: %.0f ms the first after an upgrade; with "
              "nothing changed, %.1f ms (median of five, %.1f to %.1f)",
              first, costs[2], costs.first(), costs.last());
    }

    // The day's copy, taken after the first change of a day.
    void backUp()
    {
        HistoryStore store(m_folder);
        QVERIFY(store.open());
        const HistoryBackups backups(QDir(m_folder).filePath(HistoryDatabase::fileName));
        QDateTime day = QDateTime::currentDateTimeUtc();
        QBENCHMARK
        {
            QCOMPARE(backups.take(store.connectionName(), day = day.addDays(1)), QString());
        }
    }

private:
    QTemporaryDir m_filled;
    QString m_folder;
};

QTEST_MAIN(HistoryBench)
#include "historybench.moc"
