#include "history/historystore.h"
#include "quiz/quizsession.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>
#include <sys/stat.h>

namespace {

// A whole test, every answer ticked as `right` says; the stones asked depend on the seed.
AnswerSheet takeTest(unsigned seed, bool right)
{
    RandomEngine engine(seed);
    QuizSession session(engine);
    session.startTest(QuizSubject::Keywords, QuizLevel::Beginner);
    session.pressNext({});
    for (;;) {
        const AnsweredQuestion &question = session.question();
        int box = 0;
        while ((question.correctAnswers.contains(question.options[box])) != right)
            ++box;
        if (session.pressNext({box}).kind == QuizSession::NextStep::Kind::Finished)
            return *session.lastFinished();
    }
}

QDateTime day(int n, int hour = 12)
{
    return QDateTime(QDate(2026, 3, 1).addDays(n), QTime(hour, 0));
}

// One computer: a history of its own, syncing through `folder`.
struct Computer {
    Computer(const QString &home, const QString &folder, const char *name)
        : store(std::make_unique<HistoryStore>(home))
    {
        store->sync().setFolder(folder, QString::fromLatin1(name),
                                QCryptographicHash::hash(name, QCryptographicHash::Md5).toHex());
    }
    // One of a test's computers: its history in a folder of its name beside the shared one.
    Computer(const QTemporaryDir &dir, const QString &folder, const char *name)
        : Computer(dir.filePath(QLatin1String(name)), folder, name)
    {}
    void take(unsigned seed, const QDateTime &when, bool right = true)
    {
        QVERIFY(store->record(takeTest(seed, right), when));
        store->sync().catchUp();
    }
    void merge()
    {
        bool more = true;
        while (more)
            store->sync().merge(1 << 20, &more);
    }
    QList<qint64> finished()
    {
        QList<qint64> times;
        for (const PastTest &test : store->pastTests())
            times.append(test.finishedMs);
        return times;
    }
    std::unique_ptr<HistoryStore> store;
};

// The folder a test's computers keep in step through.
QString sharedFolder(const QTemporaryDir &dir)
{
    const QString folder = dir.filePath(QStringLiteral("shared"));
    QDir().mkpath(folder);
    return folder;
}

QString boxes(HistoryStore &store)
{
    QString all;
    for (StoneIndex stone = 0; stone < StoneCount; ++stone) {
        const ItemState &item = store.schedule().item(stone, QuizSubject::Keywords);
        all += QStringLiteral("%1:%2 ").arg(item.box).arg(item.due.toString(Qt::ISODate));
    }
    return all + QString::number(store.schedule().dueCount(day(30).date()));
}

// A record line as a journal holds it, for `json`.
QByteArray line(const QByteArray &json)
{
    return "ORJ1 " + QCryptographicHash::hash(json, QCryptographicHash::Sha256).toHex().left(32) +
           ' ' + json + '\n';
}

} // namespace

class TestSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Tests taken apart, one of them days before the other's latest, a conflict copy and a start
    // with nothing new: both end with every test once and the boxes of one history that took
    // them all in the order given.
    void keepsComputersInStep()
    {
        QTemporaryDir dir;
        const QString folder = sharedFolder(dir);
        Computer desk(dir, folder, "desk");
        Computer laptop(dir, folder, "laptop");
        HistoryStore alone(dir.filePath(QStringLiteral("alone")));
        desk.take(1, day(0));
        desk.take(2, day(5), false);
        laptop.take(3, day(2), false);
        laptop.take(4, day(3));
        for (auto [seed, when, right] :
             {std::tuple(1u, day(0), true), std::tuple(3u, day(2), false),
              std::tuple(4u, day(3), true), std::tuple(2u, day(5), false)})
            QVERIFY(alone.record(takeTest(seed, right), when));
        desk.merge();
        laptop.merge();
        QFile::copy(desk.store->sync().journalPath(),
                    QDir(folder).filePath(QStringLiteral(
                        "orlendra-desk-x.sync-conflict-20260301-120000-ABCDEFG.journal")));
        laptop.merge();
        // A start after the last: nothing new, and nothing counted twice.
        Computer again(dir, folder, "laptop");
        again.merge();
        desk.merge();
        const QList<qint64> all{day(5).toMSecsSinceEpoch(), day(3).toMSecsSinceEpoch(),
                                day(2).toMSecsSinceEpoch(), day(0).toMSecsSinceEpoch()};
        QCOMPARE(desk.finished(), all);
        QCOMPARE(again.finished(), all);
        QCOMPARE(boxes(*desk.store), boxes(alone));
        QCOMPARE(boxes(*again.store), boxes(alone));
        QCOMPARE(desk.store->stones().constFirst().asked(), alone.stones().constFirst().asked());
        QCOMPARE(desk.store->takeNotice(), QString());
        QCOMPARE(again.store->sync().computers().size(), 1);
    }

    // A forget reaches the other computer, where a test finished after it stays; one finished
    // before it that arrives later is not taken either.
    void forgetsEverywhere()
    {
        QTemporaryDir dir;
        const QString folder = sharedFolder(dir);
        Computer desk(dir, folder, "desk");
        Computer laptop(dir, folder, "laptop");
        desk.take(1, day(0));
        laptop.merge();
        desk.store->setClock([] { return day(4); });
        QVERIFY(desk.store->forget());
        laptop.take(2, day(3));
        laptop.take(3, day(6));
        laptop.merge();
        desk.merge();
        QCOMPARE(desk.finished(), QList<qint64>{day(6).toMSecsSinceEpoch()});
        QCOMPARE(laptop.finished(), QList<qint64>{day(6).toMSecsSinceEpoch()});
        QCOMPARE(boxes(*desk.store), boxes(*laptop.store));
    }

    // A folder that is away is told once; what waited goes out when it is back.
    void catchesUpWhenTheFolderIsBack()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("shared"));
        Computer desk(dir, folder, "desk");
        desk.take(1, day(0));
        QVERIFY(!desk.store->takeNotice().isEmpty());
        desk.take(2, day(1));
        QCOMPARE(desk.store->takeNotice(), QString());
        QDir().mkpath(folder);
        Computer laptop(dir, folder, "laptop");
        desk.take(3, day(2));
        // A run killed while appending: the next record still reads.
        QFile journal(desk.store->sync().journalPath());
        QVERIFY(journal.open(QIODevice::Append));
        journal.write("ORJ1 0123");
        journal.close();
        desk.take(4, day(3));
        laptop.merge();
        QCOMPARE(laptop.finished().size(), 4);
    }

    void readsWhatIsWholeOfBrokenJournals_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("taken");
        QTest::newRow("cut") << QByteArray("ORJ1 0123") << "" << 1;
        QTest::newRow("garbage") << QByteArray("\x01\xff garbage\n\n") << "" << 1;
        QTest::newRow("newer") << QByteArray("ORJ7 whatever comes later\n") << "" << 1;
        QTest::newRow("huge") << QByteArray(3 << 20, 'x') << "" << 1;
        QTest::newRow("stone 99") << QByteArray("stone 99") << "" << 1;
        QTest::newRow("500 answers") << QByteArray("500 answers") << "" << 1;
        QTest::newRow("folder") << QByteArray() << "folder" << 0;
        QTest::newRow("pipe") << QByteArray() << "pipe" << 0;
        QTest::newRow("link out") << QByteArray() << "link" << 0;
    }

    // Whole records are taken, the rest passed over, and the file named once.
    void readsWhatIsWholeOfBrokenJournals()
    {
        QFETCH(QByteArray, damage);
        QFETCH(QString, kind);
        QFETCH(int, taken);
        QTemporaryDir dir;
        const QString folder = sharedFolder(dir);
        const QString path = QDir(folder).filePath(QStringLiteral("orlendra-bad-1.journal"));
        if (kind == QLatin1String("folder")) {
            QDir().mkpath(path);
        } else if (kind == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("link")) {
            QFile outside(dir.filePath(QStringLiteral("outside")));
            QVERIFY(outside.open(QIODevice::WriteOnly));
            QVERIFY(QFile::link(outside.fileName(), path));
        } else {
            // A whole record from a real journal, then the damage, then the record again under
            // a new id when the damage has an end.
            Computer writer(dir, folder, "writer");
            writer.take(1, day(0));
            QFile journal(writer.store->sync().journalPath());
            QVERIFY(journal.open(QIODevice::ReadOnly));
            const QByteArray whole = journal.readAll();
            QVERIFY(QFile::remove(journal.fileName()));
            QByteArray content = whole + damage;
            // A record with a true checksum and a new id that no recording writes.
            if (damage == "stone 99" || damage == "500 answers") {
                QJsonObject object = QJsonDocument::fromJson(whole.mid(38).trimmed()).object();
                QJsonArray answers = object.value(QStringLiteral("answers")).toArray();
                QJsonArray first = answers.first().toArray();
                first[1] = 99;
                if (damage == "stone 99")
                    answers[0] = first;
                while (damage == "500 answers" && answers.size() < 500)
                    answers.append(answers.first());
                object.insert(QStringLiteral("answers"), answers);
                object.insert(QStringLiteral("id"), QString(32, QLatin1Char('a')));
                content = whole + line(QJsonDocument(object).toJson(QJsonDocument::Compact));
            }
            QFile bad(path);
            QVERIFY(bad.open(QIODevice::WriteOnly));
            bad.write(content);
        }
        Computer reader(dir, folder, "reader");
        reader.merge();
        reader.merge();
        QCOMPARE(reader.finished().size(), taken);
        const QString notice = reader.store->takeNotice();
        QVERIFY2(notice.contains(QStringLiteral("orlendra-bad-1.journal")), qPrintable(notice));
        QCOMPARE(notice.count(QStringLiteral("orlendra-bad-1.journal")), 1);
        reader.merge();
        QCOMPARE(reader.store->takeNotice(), QString());
    }
};

// Also one profile of the program for a test with a real sync tool:
// tst_sync --profile <data folder> <sync folder> <computer> take <seed> <day> | forget <day> |
// report
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 6 || args[1] != QLatin1String("--profile")) {
        TestSync test;
        return QTest::qExec(&test, argc, argv);
    }
    Computer computer(args[2], args[3], qPrintable(args[4]));
    if (args[5] == QLatin1String("take") && args.size() == 8)
        computer.take(args[6].toUInt(), day(args[7].toInt()));
    if (args[5] == QLatin1String("forget") && args.size() == 7) {
        computer.store->setClock([when = day(args[6].toInt())] { return when; });
        computer.store->forget();
    }
    computer.merge();
    const QList<qint64> finished = computer.finished();
    // What the Progress window lists, what the study window shows as due, and what a dialog
    // would have said.
    std::printf("tests=%lld distinct=%lld due=%d notice=%s\n", qlonglong(finished.size()),
                qlonglong(QSet<qint64>(finished.cbegin(), finished.cend()).size()),
                computer.store->schedule().dueCount(
                    learnerDay(QDateTime::fromMSecsSinceEpoch(finished.value(0)))),
                computer.store->takeNotice().isEmpty() ? "none" : "some");
    return 0;
}
#include "tst_sync.moc"
