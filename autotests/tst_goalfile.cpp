#include "study/goalfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class GoalFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void lines_data();
    void lines();
    void saved_data();
    void saved();
    void loadThenSave_keepsTheFile_data();
    void loadThenSave_keepsTheFile();
    void firstStart_createsDefaults();
    void createIfMissing_leavesAnythingAtThePath();
    void save_replacesTheFile();
    void save_intoAFolderAtThePath_fails();
    void save_intoAMissingFolder_fails();
    void save_intoAReadOnlyFolder_keepsTheOldFile();
    void badFiles_loadWithoutHarm_data();
    void badFiles_loadWithoutHarm();
};

void GoalFileTest::lines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("box");
    QTest::newRow("default goal") << QByteArray("This is Goal 1.\r\n") << "This is Goal 1.";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("only a line end") << QByteArray("\r\n") << "";
    QTest::newRow("three lines, no final end") << QByteArray("a\r\nb\r\nc") << "a\r\nb\r\nc";
    QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb\r\n") << "a\r\n\r\nb";
    QTest::newRow("trailing empty line") << QByteArray("a\r\n\r\n") << "a\r\n";
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << "a\r\nb";
    QTest::newRow("lone LF ends a line") << QByteArray("a\nb\n") << "a\r\nb";
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << "a\r\n\r\nb";
}

void GoalFileTest::lines()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, box);
    QCOMPARE(GoalFile::boxTextFor(file), box);
}

void GoalFileTest::saved_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("plain") << "Learn Fehu" << QByteArray("Learn Fehu\r\n");
    QTest::newRow("blanks trimmed") << "  Learn Fehu  " << QByteArray("Learn Fehu\r\n");
    QTest::newRow("empty box") << "" << QByteArray("\r\n");
    QTest::newRow("only blanks") << "    " << QByteArray("\r\n");
    QTest::newRow("line break at the end kept") << "a\r\n" << QByteArray("a\r\n\r\n");
    QTest::newRow("tabs kept") << "\tgoal\t" << QByteArray("\tgoal\t\r\n");
    QTest::newRow("blank behind a line break kept") << "a\r\n b " << QByteArray("a\r\n b\r\n");
}

void GoalFileTest::saved()
{
    QFETCH(QString, box);
    QFETCH(QByteArray, file);
    QCOMPARE(GoalFile::fileContentFor(box), file);
}

void GoalFileTest::loadThenSave_keepsTheFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("default") << QByteArray("This is Goal 2.\r\n")
                             << QByteArray("This is Goal 2.\r\n");
    QTest::newRow("several lines") << QByteArray("one\r\ntwo\r\n") << QByteArray("one\r\ntwo\r\n");
    QTest::newRow("only CR LF") << QByteArray("\r\n") << QByteArray("\r\n");
    QTest::newRow("empty lines at the end")
        << QByteArray("x\r\n\r\n\r\n") << QByteArray("x\r\n\r\n\r\n");
    QTest::newRow("no final line end gains one")
        << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
}

void GoalFileTest::loadThenSave_keepsTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, before);
    for (int round = 0; round < 3; ++round) {
        QVERIFY(GoalFile::save(path, GoalFile::load(path)).isEmpty());
        QCOMPARE(readAll(path), after);
    }
}

void GoalFileTest::firstStart_createsDefaults()
{
    QTemporaryDir folder;
    for (int goal = 1; goal <= 2; ++goal) {
        const QString path = folder.filePath(GoalFile::fileName(goal));
        GoalFile::createIfMissing(path, goal);
        QCOMPARE(readAll(path), QStringLiteral("This is Goal %1.\r\n").arg(goal).toLatin1());
        QCOMPARE(GoalFile::load(path), GoalFile::defaultText(goal));
    }
}

void GoalFileTest::createIfMissing_leavesAnythingAtThePath()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, "mine");
    GoalFile::createIfMissing(path, 1);
    QCOMPARE(readAll(path), QByteArray("mine"));

    const QString other = folder.filePath(QStringLiteral("Goal2.txt"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Goal2.txt")));
    GoalFile::createIfMissing(other, 2);
    QVERIFY(QFileInfo(other).isDir());
    QCOMPARE(GoalFile::load(other), QString());
}

void GoalFileTest::save_replacesTheFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, "a much longer old goal text\r\n");
    QVERIFY(GoalFile::save(path, QStringLiteral("new")).isEmpty());
    QCOMPARE(readAll(path), QByteArray("new\r\n"));
    // Nothing else is left behind in the folder.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Goal1.txt"});
}

void GoalFileTest::save_intoAFolderAtThePath_fails()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Goal1.txt")));
    QVERIFY(!GoalFile::save(path, QStringLiteral("goal")).isEmpty());
    QVERIFY(QFileInfo(path).isDir());
}

void GoalFileTest::save_intoAMissingFolder_fails()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("gone/Goal1.txt"));
    QVERIFY(!GoalFile::save(path, QStringLiteral("goal")).isEmpty());
    QVERIFY(!QFileInfo::exists(path));
}

void GoalFileTest::save_intoAReadOnlyFolder_keepsTheOldFile()
{
    if (geteuid() == 0)
        QSKIP("Permissions do not bind the superuser");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, "old goal\r\n");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QString error = GoalFile::save(path, QStringLiteral("new goal"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(path), QByteArray("old goal\r\n"));
}

void GoalFileTest::badFiles_loadWithoutHarm_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("binary with NULs") << QByteArray("\x00\x01\x02\xff\xfe\r\nabc\x00", 11);
    QTest::newRow("invalid UTF-8") << QByteArray("caf\xe9 \xc3\x28 \xa0\xa1\r\n");
    QTest::newRow("several MB") << QByteArray(4 * 1024 * 1024, 'x').append("\r\nend");
    QTest::newRow("several MB of lines") << QByteArray("goal\r\n").repeated(700000);
}

void GoalFileTest::badFiles_loadWithoutHarm()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, content);
    const QString box = GoalFile::load(path);
    QVERIFY(!box.isEmpty());
    // Reading never writes.
    QCOMPARE(readAll(path), content);
}

QTEST_GUILESS_MAIN(GoalFileTest)
#include "tst_goalfile.moc"
