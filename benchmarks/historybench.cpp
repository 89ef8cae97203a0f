// How long the history takes: recording a finished test (its one transaction, made durable),
// opening "Progress" over a history of 10,000 tests, from the file not yet open to the window
// painted, the count of items due over the same history, from the file not yet open, and the
// day's backup of that history.
#include "history/historystore.h"
#include "history/schedule.h"
#include "progress/progresswindow.h"
#include "quiz/quizsession.h"
#include "scriptedplatform.h"
#include "shownprobe.h"

#include <QApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A meanings test at Advanced, the most a test records, answered with each question's first
// four boxes.
AnswerSheet finishedTest(RandomEngine &engine, QuizSubject subject, QuizLevel level)
{
    QuizSession session(engine);
    session.setStoneTypes(StoneType::Upright | StoneType::Reversed | StoneType::Merkstave);
    session.startTest(subject, level);
    session.pressNext({});
    const QList<int> ticks = level == QuizLevel::Advanced ? QList<int>{0, 1, 2, 3} : QList<int>{0};
    while (session.pressNext(ticks).kind != QuizSession::NextStep::Kind::Finished) {
    }
    return *session.lastFinished();
}

// 10,000 tests of all four kinds, one a day or so, up to today.
bool fillHistory(const QString &folder)
{
    HistoryStore store(folder);
    RandomEngine engine(18);
    if (!store.open())
        return false;
    // Only the filling goes without waiting for the disk.
    QSqlQuery(QSqlDatabase::database(store.connectionName()))
        .exec(QStringLiteral("PRAGMA synchronous = OFF"));
    QList<AnswerSheet> sheets;
    for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings}) {
        for (QuizLevel level : {QuizLevel::Beginner, QuizLevel::Advanced})
            sheets.append(finishedTest(engine, subject, level));
    }
    QDateTime when = QDateTime::currentDateTimeUtc().addDays(-10000);
    for (int test = 0; test < 10000; ++test) {
        if (!store.record(sheets[test % 4], when = when.addSecs(86400 - 3600 * (test % 4))))
            return false;
    }
    return true;
}

} // namespace

class HistoryBench : public QObject
{
    Q_OBJECT

private slots:
    void record()
    {
        QTemporaryDir folder;
        HistoryStore store(folder.path());
        RandomEngine engine(18);
        const AnswerSheet sheet = finishedTest(engine, QuizSubject::Meanings, QuizLevel::Advanced);
        QVERIFY(store.record(sheet, QDateTime::currentDateTimeUtc()));
        QBENCHMARK
        {
            store.record(sheet, QDateTime::currentDateTimeUtc());
        }
    }

    void initTestCase() { QVERIFY(m_filled.isValid() && fillHistory(m_filled.path())); }

    void openProgress()
    {
        const QString folder = m_filled.path();
        ScriptedPlatform platform;
        QBENCHMARK
        {
            HistoryStore store(folder);
            PaintSeen paint;
            ProgressWindow progress(platform, store);
            progress.installEventFilter(&paint);
            progress.resize(900, 700);
            progress.reload();
            progress.show();
            while (!paint.seen)
                QCoreApplication::processEvents();
        }
        QVERIFY(platform.messages.isEmpty());
    }

    // What a start would show beside "Practice": read from the boxes as kept, not replayed.
    void dueCount()
    {
        const QDate today = learnerDay(QDateTime::currentDateTime());
        int due = -1;
        QBENCHMARK
        {
            HistoryStore store(m_filled.path());
            due = store.schedule().dueCount(today);
        }
        QVERIFY(due >= 0 && due <= Schedule::ItemCount);
    }

    // The day's copy, taken after the first change of a day.
    void backUp()
    {
        HistoryStore store(m_filled.path());
        QVERIFY(store.open());
        const HistoryBackups backups(QDir(m_filled.path()).filePath(HistoryDatabase::fileName));
        QDateTime day = QDateTime::currentDateTimeUtc();
        QBENCHMARK
        {
            QCOMPARE(backups.take(store.connectionName(), day = day.addDays(1)), QString());
        }
    }

private:
    QTemporaryDir m_filled;
};

QTEST_MAIN(HistoryBench)
#include "historybench.moc"
