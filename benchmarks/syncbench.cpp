// How long keeping the history in step takes: merging the journals of ten computers of 10,000
// tests each into an empty history; a start over that folder with nothing new (what the first
// look adds to the start); and writing one finished test out to the journal.
// syncbench [COMPUTERS TESTS]
#include "finishedtest.h"
#include "history/historystore.h"
#include "history/syncjournal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Ten computers of 10,000 tests each, unless the arguments say otherwise.
int Computers = 10;
int TestsEach = 10000;

SyncJournal::Record recordOf(const AnswerSheet &sheet)
{
    SyncJournal::Record record;
    record.level = sheet.level;
    record.stoneTypes = sheet.stoneTypes;
    for (const AnsweredQuestion &question : sheet.answers)
        record.answers.append({sheet.subject, question});
    return record;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The folder's journals: each computer's tests of all four kinds, interleaved in time with the
// others', as computers used in turn would write them.
qint64 writeFolder(const QString &folder)
{
    RandomEngine engine(18);
    QList<SyncJournal::Record> kinds;
    for (QuizSubject subject : {QuizSubject::Keywords, QuizSubject::Meanings})
        for (QuizLevel level : {QuizLevel::Beginner, QuizLevel::Advanced})
            kinds.append(recordOf(finishedTest(engine, subject, level)));
    qint64 bytes = 0;
    // Every test an hour after the last, up to now.
    const qint64 start =
        QDateTime::currentMSecsSinceEpoch() - (qint64(Computers) * TestsEach + 1) * 3600 * 1000;
    for (int computer = 0; computer < Computers; ++computer) {
        QByteArray lines;
        for (int test = 0; test < TestsEach; ++test) {
            SyncJournal::Record record = kinds[test % kinds.size()];
            record.id = QCryptographicHash::hash(QByteArray::number(computer * TestsEach + test),
                                                 QCryptographicHash::Md5)
                            .toHex();
            record.finishedMs = start + (qint64(test) * Computers + computer) * 3600 * 1000;
            lines += SyncJournal::encode(record);
        }
        const QString path = QDir(folder).filePath(QStringLiteral("orlendra-pc%1-%2.journal")
                                                       .arg(computer)
                                                       .arg(QString(32, QChar(u'0' + computer))));
        SyncJournal::append(path, lines);
        bytes += lines.size();
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc == 3) {
        Computers = std::max(1, std::atoi(argv[1]));
        TestsEach = std::max(1, std::atoi(argv[2]));
    }
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("shared"));
    const QString home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(folder);
    const qint64 bytes = writeFolder(folder);
    std::printf("folder: %d journals, %d tests, %.1f MB\n", Computers, Computers * TestsEach,
                double(bytes) / 1e6);
    const QByteArray id(32, 'f');
    {
        HistoryStore store(home);
        store.sync().setFolder(folder, QStringLiteral("here"), id);
        store.schedule();
        QElapsedTimer timer;
        timer.start();
        bool more = true;
        while (more)
            store.sync().merge(8 << 20, &more);
        std::printf("merging them into an empty history: %.0f ms (%lld tests, due today %d)\n",
                    msSince(timer), qlonglong(store.pastTests().size()),
                    store.schedule().dueCount(QDate::currentDate()));
    }
    {
        // A start: the history opened and the boxes read, as the window does, then the look.
        HistoryStore store(home);
        store.sync().setFolder(folder, QStringLiteral("here"), id);
        store.schedule();
        // The check of every page the opening began runs beside the program; the first look
        // waits for it to end rather than for it.
        while (store.sync().busy())
            QThread::msleep(10);
        QElapsedTimer timer;
        timer.start();
        store.sync().merge(8 << 20);
        std::printf("a start with nothing new: %.2f ms added\n", msSince(timer));
        RandomEngine engine(7);
        const AnswerSheet sheet = finishedTest(engine, QuizSubject::Meanings, QuizLevel::Advanced);
        store.sync().catchUp();
        QList<double> times;
        for (int i = 0; i < 21; ++i) {
            store.record(sheet, QDateTime::currentDateTime());
            timer.restart();
            store.sync().catchUp();
            times.append(msSince(timer));
        }
        std::sort(times.begin(), times.end());
        std::printf("appending one meanings test at Advanced to the journal: median %.2f ms, "
                    "most %.2f ms of 21\n",
                    times[10], times.last());
    }
    return 0;
}
