#include "ordinaryuser.h"
#include "study/goalfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
    void save_keepsTheGoalEditable();
    void unreadableFile_isMarked();
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
    QTest::newRow("UTF-8") << QByteArray("R\xc3\xbcnen \xe1\x9a\xa0\r\n") << "Rünen ᚠ";
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbfRunen\r\n") << "Runen";
    QTest::newRow("Latin-1") << QByteArray("R\xfcnen M\xe4rz\r\n") << "Rünen März";
    QTest::newRow("Windows-1252") << QByteArray("\x93"
                                                "Fehu\x94 \x80\r\n")
                                  << "“Fehu” €";
    // The five bytes the code page leaves undefined read as the characters of their own numbers.
    for (const char16_t undefined : {u'\x81', u'\x8d', u'\x8f', u'\x90', u'\x9d'})
        QTest::addRow("Windows-1252, undefined 0x%x", undefined)
            << QByteArray("a") + char(undefined) + "\r\n"
            << QStringLiteral("a") + QChar(undefined);
}

void GoalFileTest::lines()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, box);
    QCOMPARE(GoalFile::boxTextFor(file), box);
}

void GoalFileTest::saved_data()
{
    using GoalFile::Encoding;
    QTest::addColumn<QString>("box");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("notHeld");
    const auto utf8 = [](const char *name, const char *box, const QByteArray &file) {
        QTest::newRow(name) << QString::fromUtf8(box) << Encoding::Utf8 << file << QStringList();
    };
    utf8("plain", "Learn Fehu", "Learn Fehu\r\n");
    utf8("blanks trimmed", "  Learn Fehu  ", "Learn Fehu\r\n");
    utf8("empty box", "", "\r\n");
    utf8("only blanks", "    ", "\r\n");
    utf8("line break at the end kept", "a\r\n", "a\r\n\r\n");
    utf8("tabs kept", "\tgoal\t", "\tgoal\t\r\n");
    utf8("blank behind a line break kept", "a\r\n b ", "a\r\n b\r\n");
    utf8("runes", "ᚠ 😀", "\xe1\x9a\xa0 \xf0\x9f\x98\x80\r\n");
    QTest::newRow("UTF-8 byte order mark")
        << "ᚠ" << Encoding::Utf8WithBom << QByteArray("\xef\xbb\xbf\xe1\x9a\xa0\r\n")
        << QStringList();
    QTest::newRow("Windows-1252") << "Rünen “März” €\u0081" << Encoding::Windows1252
                                  << QByteArray("R\xfcnen \x93M\xe4rz\x94 \x80\x81\r\n")
                                  << QStringList();
    QTest::newRow("Windows-1252 cannot hold runes")
        << "ᚠ Fehu ᚠ 😀 \u0080" << Encoding::Windows1252 << QByteArray("? Fehu ? ?? ?\r\n")
        << QStringList{"ᚠ", "😀", "\u0080"};
    for (const char16_t undefined : {u'\x81', u'\x8d', u'\x8f', u'\x90', u'\x9d'})
        QTest::addRow("Windows-1252, undefined 0x%x", undefined)
            << QString(QChar(undefined)) << Encoding::Windows1252
            << QByteArray(1, char(undefined)) + "\r\n"
            << QStringList();
    // Half of a pair, last in the text, where an encoder would wait for the other half.
    QTest::newRow("Windows-1252, half a character at the end")
        << QStringLiteral("a") + QChar(0xd83d) << Encoding::Windows1252 << QByteArray("a?\r\n")
        << QStringList{QString(QChar(0xd83d))};
}

void GoalFileTest::saved()
{
    QFETCH(QString, box);
    QFETCH(GoalFile::Encoding, encoding);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, notHeld);
    QCOMPARE(GoalFile::fileContentFor(box, encoding), file);
    QCOMPARE(GoalFile::charactersNotIn(encoding, box), notHeld);
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
    // Every byte of a file that is not UTF-8 goes back as it came, whatever it stands for.
    const QList<QByteArray> kept{
        "R\xfcnen M\xe4rz\r\n",
        "\x93"
        "Fehu\x94 \x80\x81\x8d\x8f\x90\x9d\xff\r\n",
        QByteArray("a\x00"
                   "b\x01\x02\t\x0b\x0c\x1b\x7f\r\n",
                   12),
        QByteArray("\x00\xe4\x01\r\n", 5),
        "a\xc2\xa0"
        "b\r\n",
        "a\xa0"
        "b\r\n",
        "\xef\xbb\xbfRunen \xe1\x9a\xa0\r\n",
        "\xef\xbb\xbf\xef\xbb\xbf"
        "a\r\n",
        "\xc0\x80\r\n",
        "\xed\xa0\x80\r\n",
        "abc\xe1\x9a\r\n",
    };
    for (const QByteArray &content : kept)
        QTest::addRow("%s", content.toPercentEncoding().constData()) << content << content;
}

void GoalFileTest::loadThenSave_keepsTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, before);
    for (int round = 0; round < 3; ++round) {
        const GoalFile::Loaded loaded = GoalFile::load(path);
        QVERIFY(!loaded.tooLarge);
        QVERIFY(GoalFile::save(path, loaded.boxText, loaded.encoding).isEmpty());
        QCOMPARE(readAll(path), after);
    }
}

// A start on a full disk leaves no file, not even an empty one, so that the next start, with room,
// writes the default after all.
void GoalFileTest::firstStart_createsDefaults()
{
    QTemporaryDir folder;
    for (int goal = 1; goal <= 2; ++goal) {
        const QString path = folder.filePath(GoalFile::fileName(goal));
        QVERIFY(onAFullDisk([&] {
            GoalFile::createIfMissing(path, goal);
            return true;
        }));
        // Only the goals made before, nothing half made beside them.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), goal - 1);
        GoalFile::createIfMissing(path, goal);
        QCOMPARE(readAll(path), QStringLiteral("This is Goal %1.\r\n").arg(goal).toLatin1());
        QCOMPARE(GoalFile::load(path).boxText, GoalFile::defaultText(goal));
    }
}

void GoalFileTest::createIfMissing_leavesAnythingAtThePath()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, "mine");
    GoalFile::createIfMissing(path, 1);
    QCOMPARE(readAll(path), QByteArray("mine"));

    // Nor a folder, a pipe (never waited on) or a link that leads in a circle: none is a goal.
    const QString other = folder.filePath(QStringLiteral("Goal2.txt"));
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    const QString loop = folder.filePath(QStringLiteral("loop"));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Goal2.txt")));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(loop, loop));
    for (const QString &unreadable : {other, pipe, loop}) {
        GoalFile::createIfMissing(unreadable, 2);
        QCOMPARE(GoalFile::load(unreadable).boxText, QString());
        QVERIFY(GoalFile::load(unreadable).unreadable);
    }
    QVERIFY(QFileInfo(other).isDir());
}

// A goal saved is never one that the next start refuses to edit; a refusal names the limit.
void GoalFileTest::save_keepsTheGoalEditable()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    // With the CR LF a save adds, just within the limit.
    QVERIFY(GoalFile::save(path, QString(GoalFile::largestEditableFile - 2, u'\n')).isEmpty());
    QVERIFY(!GoalFile::load(path).tooLarge);
    const QByteArray saved = readAll(path);
    QVERIFY(GoalFile::save(path, QString(GoalFile::largestEditableFile - 1, u'\n'))
                .reason.contains(QLatin1String("1 MiB")));
    QVERIFY(GoalFile::save(path, QString(GoalFile::longestEditableLine + 1, u'x'))
                .reason.contains(QLatin1String("30,000 characters")));
    QCOMPARE(readAll(path), saved);
}

void GoalFileTest::unreadableFile_isMarked()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, "my goal\r\n");
    QVERIFY(QFile::setPermissions(path, {}));
    QVERIFY(asOrdinaryUser({folder.path(), path}, [&path] {
        const GoalFile::Loaded loaded = GoalFile::load(path);
        return loaded.unreadable && loaded.boxText.isEmpty();
    }));
    // A missing file is no unreadable one: the next save simply makes it.
    QVERIFY(!GoalFile::load(folder.filePath(QStringLiteral("Goal2.txt"))).unreadable);
}

void GoalFileTest::badFiles_loadWithoutHarm_data()
{
    using GoalFile::Encoding;
    const qsizetype longest = GoalFile::longestEditableLine;
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("tooLarge");
    QTest::addColumn<Encoding>("encoding");
    QTest::newRow("binary with NULs")
        << QByteArray("\x00\x01\x02\xff\xfe\r\nabc\x00", 11) << false << Encoding::Windows1252;
    QTest::newRow("invalid UTF-8")
        << QByteArray("caf\xe9 \xc3\x28 \xa0\xa1\r\n") << false << Encoding::Windows1252;
    QTest::newRow("several MB") << QByteArray(4 * 1024 * 1024, 'x').append("\r\nend") << true
                                << Encoding::Utf8;
    QTest::newRow("several MB of lines")
        << QByteArray("goal\r\n").repeated(700000) << true << Encoding::Utf8;
    // Five bytes a line: the rune at byte 1,048,575 is cut after its first byte.
    QTest::newRow("UTF-8 cut inside a character")
        << QByteArray("\xe1\x9a\xa0\r\n").repeated(250000) << true << Encoding::Utf8;
    QTest::newRow("long lines") << QByteArray(longest, 'x').append("\r\n").repeated(3) << false
                                << Encoding::Utf8;
    QTest::newRow("a line too long")
        << QByteArray("a\r\n").append(longest + 1, 'x') << true << Encoding::Utf8;
}

void GoalFileTest::badFiles_loadWithoutHarm()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, tooLarge);
    QFETCH(GoalFile::Encoding, encoding);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Goal1.txt"));
    writeFile(path, content);
    const GoalFile::Loaded loaded = GoalFile::load(path);
    QVERIFY(!loaded.boxText.isEmpty());
    QCOMPARE(loaded.tooLarge, tooLarge);
    QCOMPARE(loaded.encoding, encoding);
    // Of a file too large to edit, only as much is shown as the box handles with ease.
    if (tooLarge)
        QCOMPARE(loaded.boxText.size(), GoalFile::longestEditableLine);
    // Reading never writes.
    QCOMPARE(readAll(path), content);
}

QTEST_GUILESS_MAIN(GoalFileTest)
#include "tst_goalfile.moc"
