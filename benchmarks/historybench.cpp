// How long the history takes: recording a finished test (its one transaction, made durable), and
// opening "Progress" over a history of 10,000 tests, from the file not yet open to the window
// painted, and the day's backup of that history.
#include "history/historystore.h"
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
AnswerSheet finishedTest(RandomEngine &engine, QuizSubject subject, qint16 level)
{
    QuizSession session(engine);
    session.setStoneTypes({true, true, true});
    session.startTest(subject, level);
    session.pressNext({});
    const QList<int> ticks = level == QuizSetup::Advanced ? QList<int>{0, 1, 2, 3} : QList<int>{0};
    while (session.pressNext(ticks).kind != QuizSession::NextStep::Kind::Finished) {
    }
    return *session.lastFinished();
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
        const AnswerSheet sheet = finishedTest(engine, QuizSubject::Meanings, QuizSetup::Advanced);
        QVERIFY(store.record(sheet, QDateTime::currentDateTimeUtc()));
        QBENCHMARK
        {
            store.record(sheet, QDateTime::currentDateTimeUtc());
        }
    }

    void openProgress()
    {
        QTemporaryDir folder;
        fillTenThousand(folder.path());
        ScriptedPlatform platform;
        QBENCHMARK
        {
            HistoryStore store(folder.path());
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

    // The day's copy, taken after the first change of a day.
    void backUp()
    {
        QTemporaryDir folder;
        fillTenThousand(folder.path());
        HistoryStore store(folder.path());
        QVERIFY(store.open());
        const HistoryBackups backups(QDir(folder.path()).filePath(HistoryDatabase::fileName));
        QDateTime day = QDateTime::currentDateTimeUtc();
        QBENCHMARK
        {
            QCOMPARE(backups.take(store.connectionName(), day = day.addDays(1)), QString());
        }
    }

private:
    static void fillTenThousand(const QString &folder)
    {
        HistoryStore store(folder);
        RandomEngine engine(18);
        QVERIFY(store.open());
        // Only the filling goes without waiting for the disk.
        QSqlQuery(QSqlDatabase::database(store.connectionName()))
            .exec(QStringLiteral("PRAGMA synchronous = OFF"));
        QList<AnswerSheet> sheets;
        for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings}) {
            for (qint16 level : {QuizSetup::Beginner, QuizSetup::Advanced})
                sheets.append(finishedTest(engine, subject, level));
        }
        QDateTime when = QDateTime::currentDateTimeUtc().addDays(-10000);
        for (int test = 0; test < 10000; ++test)
            QVERIFY(store.record(sheets[test % 4], when = when.addSecs(86400 - 3600 * (test % 4))));
    }
};

QTEST_MAIN(HistoryBench)
#include "historybench.moc"
