#include "ordinaryuser.h"
#include "platform/filesaving.h"
#include "platform/qtplatform.h"
#include "scriptedplatform.h"
#include "widgets/guardedtextbox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(Platform::Icon)
Q_DECLARE_METATYPE(Platform::Buttons)
Q_DECLARE_METATYPE(Platform::Answer)

class PlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void goalFolder_data();
    void goalFolder();
    void realMessageBox_data();
    void realMessageBox();
    void realClipboard_clearsOnlyOurs_data();
    void realClipboard_clearsOnlyOurs();
    void realSaveDialog_opensInDocumentsThenWhereLastUsed();
    void realBrowser_saysWhetherItTookThePage();
    void secondRun_isTold();
    void lockOfAKilledRun_doesNotBlock_data();
    void lockOfAKilledRun_doesNotBlock();
    void twoStartsAtOnce_onlyOneRuns();
    void lockInTheSharedTemporaryFolder_isPerUser();
    void fileSaving_replace_data();
    void fileSaving_replace();
    void settings_roundTrip();
    void settings_unchangedValues_leaveTheFileAlone();
    void settings_troubleIsToldAsItIs_data();
    void settings_troubleIsToldAsItIs();
    void guardedBox_offersNoCopyOrCut_data();
    void guardedBox_offersNoCopyOrCut();
    void guardedBox_contextMenuHasNoCopy();
    void guardedBox_clearsOnlyOurClipboard_data();
    void guardedBox_clearsOnlyOurClipboard();
    void guardedBox_keepsCrLf();
    void guardedBox_pastesOnlyText_data();
    void guardedBox_pastesOnlyText();
};

void PlatformTest::goalFolder_data()
{
    QTest::addColumn<QString>("program"); // empty: a folder of the test's own
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("perUser");
    QTest::newRow("program folder can be written") << "" << true << false;
    QTest::newRow("program folder is read-only") << "" << false << true;
    // An installed program never writes where it is installed.
    QTest::newRow("in /usr/bin, run by root") << "/usr/bin" << true << true;
    QTest::newRow("under /opt") << "/opt/orlendra/bin" << true << true;
    QTest::newRow("where it was configured to go") << "/srv/orlendra/bin" << true << true;
    QTest::newRow("only named like /usr") << "/usrx/bin" << true << false;
}

void PlatformTest::goalFolder()
{
    QFETCH(QString, program);
    QFETCH(bool, writable);
    QFETCH(bool, perUser);
    QTemporaryDir own;
    const QString programFolder = program.isEmpty() ? own.path() : program;
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(QDir(userFolder).removeRecursively());
    const QString folder =
        QtPlatform::goalFolder(programFolder, writable, QStringLiteral("/srv/orlendra/bin")).path;
    QCOMPARE(folder, perUser ? userFolder : programFolder);
    // Wherever they live, a goal can be saved there on a first start.
    QFile goal(QDir(folder).filePath(QStringLiteral("Goal1.txt")));
    QVERIFY((!program.isEmpty() && !perUser) || goal.open(QIODevice::WriteOnly));
}

void PlatformTest::realMessageBox_data()
{
    QTest::addColumn<Platform::Icon>("icon");
    QTest::addColumn<Platform::Buttons>("buttons");
    QTest::addColumn<Platform::Answer>("defaultAnswer");
    QTest::addColumn<QString>("action"); // "Enter", "Escape" or "Yes" (clicked)
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
    QTest::addColumn<QMessageBox::StandardButton>("shownDefault");
    QTest::addColumn<Platform::Answer>("answer");
    using I = Platform::Icon;
    using A = Platform::Answer;
    using M = QMessageBox;
    const auto ok = Platform::Buttons::Ok;
    const auto yesNo = Platform::Buttons::YesNo;
    QTest::newRow("critical, Enter") << I::Critical << ok << A::Ok << "Enter" << M::Critical
                                     << M::StandardButtons(M::Ok) << M::Ok << A::Ok;
    QTest::newRow("information, Escape")
        << I::Information << ok << A::Ok << "Escape" << M::Information << M::StandardButtons(M::Ok)
        << M::Ok << A::Ok;
    QTest::newRow("warning, Enter") << I::Warning << ok << A::Ok << "Enter" << M::Warning
                                    << M::StandardButtons(M::Ok) << M::Ok << A::Ok;
    QTest::newRow("Yes first, Escape") << I::Information << yesNo << A::Yes << "Escape"
                                       << M::Information << (M::Yes | M::No) << M::Yes << A::No;
    QTest::newRow("No first, Enter") << I::Information << yesNo << A::No << "Enter"
                                     << M::Information << (M::Yes | M::No) << M::No << A::No;
    QTest::newRow("No first, Yes clicked") << I::Information << yesNo << A::No << "Yes"
                                           << M::Information << (M::Yes | M::No) << M::No << A::Yes;
}

void PlatformTest::realMessageBox()
{
    QFETCH(Platform::Icon, icon);
    QFETCH(Platform::Buttons, buttons);
    QFETCH(Platform::Answer, defaultAnswer);
    QFETCH(QString, action);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(QMessageBox::StandardButtons, shownButtons);
    QFETCH(QMessageBox::StandardButton, shownDefault);
    QFETCH(Platform::Answer, answer);
    QTemporaryDir folder;
    QtPlatform platform(folder.filePath(QStringLiteral("orlendra.lock")));
    // The box is modal: note what it shows once it is up, then answer it as a user would.
    QString title;
    QString text;
    bool selectable = false;
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    QMessageBox::StandardButtons offered;
    QList<QMessageBox::StandardButton> defaults;
    QStringList spoken;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        selectable = box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
        shown = box->icon();
        offered = box->standardButtons();
        for (QAbstractButton *button : box->buttons()) {
            if (auto *push = qobject_cast<QPushButton *>(button); push && push->isDefault())
                defaults << box->standardButton(button);
            spoken << button->accessibleDescription();
        }
        if (action == QLatin1String("Enter"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (action == QLatin1String("Escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(QMessageBox::Yes)->click();
    });
    const Platform::Answer given =
        platform.message(nullptr, QStringLiteral("First line\rsecond line"), icon, buttons,
                         defaultAnswer, QStringLiteral("Heard"));
    QCOMPARE(title, QStringLiteral("Orlendra"));
    QCOMPARE(text, QStringLiteral("First line\nsecond line"));
    QVERIFY(selectable);
    QCOMPARE(shown, shownIcon);
    QCOMPARE(offered, shownButtons);
    QCOMPARE(defaults, QList{shownDefault});
    QCOMPARE(spoken, QStringList(offered == QMessageBox::Ok ? 1 : 2, QStringLiteral("Heard")));
    QCOMPARE(given, answer);
}

void PlatformTest::realClipboard_clearsOnlyOurs_data()
{
    QTest::addColumn<QString>("copiedBy");
    QTest::addColumn<bool>("ownerTold");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("this program") << "this program" << true << true;
    // Offscreen: where the platform cannot say whose it is, the clipboard is never emptied.
    QTest::newRow("this program, owner not told") << "this program" << false << false;
    QTest::newRow("another program") << "xclip" << false << false;
}

void PlatformTest::realClipboard_clearsOnlyOurs()
{
    QFETCH(QString, copiedBy);
    QFETCH(bool, ownerTold);
    QFETCH(bool, cleared);
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QString copied = QStringLiteral("copied by ") + copiedBy;
    if (copiedBy == QLatin1String("xclip")) {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("Another program's clipboard needs an X server (the suite runs this under "
                  "xvfb-run when it is installed)");
        if (QStandardPaths::findExecutable(copiedBy).isEmpty())
            QSKIP("xclip is not installed");
        QProcess xclip;
        xclip.start(copiedBy, {QStringLiteral("-selection"), QStringLiteral("clipboard")});
        xclip.write(copied.toUtf8());
        xclip.closeWriteChannel();
        // xclip goes on serving the text from a process of its own.
        QVERIFY(xclip.waitForFinished());
        QTRY_COMPARE(clipboard->text(), copied);
        // The news that another program took the clipboard arrives as an event of its own.
        QTRY_VERIFY(!clipboard->ownsClipboard());
    } else {
        clipboard->setText(copied);
        if (clipboard->ownsClipboard() != ownerTold)
            QSKIP(ownerTold ? "This platform does not tell whose the clipboard is (offscreen); the "
                              "suite runs this under xvfb-run when that is installed"
                            : "This platform tells whose the clipboard is");
    }
    QTemporaryDir folder;
    QtPlatform platform(folder.filePath(QStringLiteral("orlendra.lock")));
    GuardedTextBox box(platform);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseMove(box.viewport(), QPoint(20, 20));
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    box.setText(QStringLiteral("changed by the program"));
    QCOMPARE(clipboard->text(), cleared ? QString() : copied);
}

void PlatformTest::realSaveDialog_opensInDocumentsThenWhereLastUsed()
{
    QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
    qputenv("HOME", QFile::encodeName(home.path()));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    QtPlatform platform(home.filePath(QStringLiteral("orlendra.lock")));
    const QString chosen = home.filePath(QStringLiteral("result.txt"));
    QStringList openedIn;
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(0, this, [&] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                openedIn << dialog->directory().absolutePath();
                dialog->selectFile(chosen);
                QMetaObject::invokeMethod(dialog, &QDialog::accept);
            }
        });
        QCOMPARE(platform.saveFileName(nullptr, QStringLiteral("Text file (*.txt)")), chosen);
    }
    QCOMPARE(openedIn, QStringList({home.filePath(QStringLiteral("Documents")), home.path()}));
}

void PlatformTest::realBrowser_saysWhetherItTookThePage()
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("Only offscreen is sure to have no browser");
    QVERIFY(!QtPlatform().openUrl(QUrl(QStringLiteral("https://example.org/"))));
}

void PlatformTest::secondRun_isTold()
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("orlendra.lock"));
    auto first = std::make_unique<QtPlatform>(lock);
    QVERIFY(!first->anotherInstanceRunning());
    QtPlatform second(lock);
    QVERIFY(second.anotherInstanceRunning());
    QVERIFY(!second.uncheckedLockOwner());
    // Asking again from the run that holds the lock is no second run.
    QVERIFY(!first->anotherInstanceRunning());
    first.reset();
    QtPlatform third(lock);
    QVERIFY(!third.anotherInstanceRunning());
    // A named pipe where the lock belongs is no run's lock, and is never waited on.
    const QString pipe = folder.filePath(QStringLiteral("pipe.lock"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!QtPlatform(pipe).anotherInstanceRunning());
}

void PlatformTest::lockOfAKilledRun_doesNotBlock_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("blocks");
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("its process is gone") << "2147483600\nOrlendra\n" + host + "\n" << false;
    // A power failure can leave the lock of a run that had it empty, or holding junk.
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("garbled") << QByteArray("\x00\x00\x00\x00", 4) << false;
    // Whether a run on another machine sharing the home folder is alive cannot be told.
    QTest::newRow("another machine's run")
        << QByteArray("12\nOrlendra\nelsewhere.invalid\n") << true;
}

void PlatformTest::lockOfAKilledRun_doesNotBlock()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, blocks);
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("orlendra.lock"));
    {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QtPlatform platform(lock);
    QCOMPARE(platform.anotherInstanceRunning(), blocks);
    // The user is asked about it instead, and may take it over.
    const auto owner = platform.uncheckedLockOwner();
    QCOMPARE(owner.has_value(), blocks);
    if (owner)
        QVERIFY(owner->host == "elsewhere.invalid" && platform.takeOverLock());
    // Either way the lock is this run's now, not only removed: a second start here is refused.
    QtPlatform second(lock);
    QVERIFY(second.anotherInstanceRunning() && !second.uncheckedLockOwner());
}

void PlatformTest::twoStartsAtOnce_onlyOneRuns()
{
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("orlendra.lock"));
    constexpr int starts = 3;
    // The first round finds no lock, the later ones the lock of the round before, whose runs
    // were killed.
    for (int round = 0; round < 10; ++round) {
        int go[2];
        int told[2];
        int done[2];
        QVERIFY(::pipe(go) == 0 && ::pipe(told) == 0 && ::pipe(done) == 0);
        QList<pid_t> children;
        for (int i = 0; i < starts; ++i) {
            const pid_t child = ::fork();
            if (child == 0) {
                char byte = 0;
                ::close(go[1]);
                ::close(done[1]);
                // Every start waits for the same moment: the parent closing its end.
                const bool ready = ::read(go[0], &byte, 1) == 0;
                QtPlatform platform(lock);
                const char running = platform.anotherInstanceRunning() ? 'y' : 'n';
                const bool answered = ::write(told[1], &running, 1) == 1;
                // The run that started keeps its lock until every other start has asked.
                const bool waited = ::read(done[0], &byte, 1) == 0;
                ::_exit(ready && answered && waited ? 0 : 1);
            }
            children << child;
        }
        ::close(go[0]);
        ::close(told[1]);
        ::close(done[0]);
        ::close(go[1]);
        QByteArray answers;
        char answer = 0;
        while (answers.size() < starts && ::read(told[0], &answer, 1) == 1)
            answers += answer;
        ::close(told[0]);
        ::close(done[1]);
        for (pid_t child : std::as_const(children))
            ::waitpid(child, nullptr, 0);
        QCOMPARE(answers.size(), starts);
        QCOMPARE(answers.count('n'), 1);
    }
}

void PlatformTest::lockInTheSharedTemporaryFolder_isPerUser()
{
    QTemporaryDir temp;
    // Open to every user, as the system's temporary folder is.
    QVERIFY(::chmod(QFile::encodeName(temp.path()).constData(), 01777) == 0);
    QFile blocker(temp.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray home = qgetenv("HOME");
    const QByteArray tmp = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        tmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmp);
    });
    // The per-user data folder cannot be made: a plain file stands in its way.
    qputenv("HOME", QFile::encodeName(temp.filePath(QStringLiteral("blocker/home"))));
    qputenv("TMPDIR", QFile::encodeName(temp.path()));

    // Nor can goals be kept anywhere, and a start is told where it looked.
    const QString trouble = QtPlatform::goalFolder(temp.path(), false, {}).trouble;
    QVERIFY2(trouble.contains(temp.path()) && trouble.contains("blocker/home"),
             qPrintable(trouble));

    const QFileInfo lock(QtPlatform::defaultLockFile());
    QCOMPARE(lock.path(), temp.path());
    QVERIFY2(lock.fileName().contains(QString::number(::getuid())), qPrintable(lock.fileName()));
    QtPlatform mine;
    QVERIFY(!mine.anotherInstanceRunning());
    if (::geteuid() != 0)
        QSKIP("Playing a second user needs root");
    // Another user's run is not kept out by this one.
    QVERIFY(asOrdinaryUser({}, [] {
        QtPlatform theirs;
        return !theirs.anotherInstanceRunning();
    }));
}

void PlatformTest::fileSaving_replace_data()
{
    QTest::addColumn<QString>("place"); // what stands at the path, or in the way
    QTest::addColumn<bool>("saved");
    QTest::newRow("a new file") << "nothing" << true;
    QTest::newRow("a longer file replaced") << "file" << true;
    // No new file can be made beside it, so the file itself is written.
    QTest::newRow("a read-only folder") << "read-only folder" << true;
    QTest::newRow("a read-only folder and file") << "read-only file" << false;
    QTest::newRow("the disk is full") << "full disk" << false;
    QTest::newRow("a missing folder") << "missing folder" << false;
    QTest::newRow("a file in the folder's place") << "file for folder" << false;
    QTest::newRow("a folder at the path") << "folder" << false;
    QTest::newRow("a link to /dev/full") << "device" << false;
    // Refused at once: writing would wait for a reader.
    QTest::newRow("a named pipe") << "pipe" << false;
}

void PlatformTest::fileSaving_replace()
{
    QFETCH(QString, place);
    QFETCH(bool, saved);
    const auto is = [&place](const char *what) { return place == QLatin1String(what); };
    const bool readOnly = place.startsWith(QLatin1String("read-only"));
    QTemporaryDir folder;
    const QString at = folder.filePath(QStringLiteral("saved.txt"));
    const QString path = is("missing folder")    ? folder.filePath(QStringLiteral("gone/new.txt"))
                         : is("file for folder") ? at + QStringLiteral("/new.txt")
                                                 : at;
    const QByteArray old("a much longer old text\r\n");
    const QByteArray content("new\r\n");
    QFile file(at);
    if (is("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(at));
    } else if (is("device")) {
        if (!linkToAFullDisk(at))
            QSKIP("No device like /dev/full could be made here");
    } else if (is("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
    } else if (!is("nothing") && !is("missing folder")) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
    }
    if (is("read-only file"))
        QVERIFY(file.setPermissions(QFile::ReadOwner));
    if (readOnly)
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const auto entries = [&folder] {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    };
    const QStringList before = entries();
    const FileSaving::PathKind kind = FileSaving::pathKind(at);
    const auto save = [&] { return FileSaving::replace(path, content).isEmpty() == saved; };
    QVERIFY(readOnly          ? asOrdinaryUser({folder.path(), at}, save)
            : is("full disk") ? onAFullDisk(save)
                              : save());
    QVERIFY(QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // Whatever stood at the path is still there as it was, unless it was saved over; nothing is
    // left behind beside it.
    QCOMPARE(FileSaving::pathKind(at), saved ? FileSaving::PathKind::File : kind);
    if (kind == FileSaving::PathKind::File || saved) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved ? content : old);
    }
    QCOMPARE(entries(), saved && before.isEmpty() ? QStringList{"saved.txt"} : before);
}

void PlatformTest::settings_roundTrip()
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Orlendra.ini"));
    {
        IniSettingsStore store(ini);
        QCOMPARE(store.read(QStringLiteral("Settings"), QStringLiteral("StoneGroup0")), QString());
        store.write(QStringLiteral("Settings"), QStringLiteral("StoneGroup0"), QStringLiteral("0"));
        QCOMPARE(store.sync(), QString());
    }
    IniSettingsStore again(ini);
    QCOMPARE(again.read(QStringLiteral("Settings"), QStringLiteral("StoneGroup0")),
             QStringLiteral("0"));
    QVERIFY(QFile(ini).open(QIODevice::ReadOnly));
}

void PlatformTest::settings_unchangedValues_leaveTheFileAlone()
{
    QTemporaryDir folder;
    const QString ini = folder.filePath(QStringLiteral("Orlendra.ini"));
    const auto inode = [&ini] {
        struct stat info {
        };
        return ::stat(QFile::encodeName(ini).constData(), &info) == 0 ? info.st_ino : 0;
    };
    IniSettingsStore store(ini);
    const QString section = QStringLiteral("Settings");
    store.write(section, QStringLiteral("StoneGroup0"), QStringLiteral("1"));
    QCOMPARE(store.sync(), QString());
    const auto written = inode();
    QVERIFY(written != 0);

    // Saving what is already stored replaces nothing.
    IniSettingsStore again(ini);
    again.write(section, QStringLiteral("StoneGroup0"), QStringLiteral("1"));
    QCOMPARE(again.sync(), QString());
    QCOMPARE(inode(), written);

    // A changed value is written.
    again.write(section, QStringLiteral("StoneGroup0"), QStringLiteral("0"));
    QCOMPARE(again.sync(), QString());
    QVERIFY(inode() != written);
    QCOMPARE(IniSettingsStore(ini).read(section, QStringLiteral("StoneGroup0")),
             QStringLiteral("0"));
}

void PlatformTest::settings_troubleIsToldAsItIs_data()
{
    QTest::addColumn<QString>("place"); // what stands where the settings file belongs
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("told");   // by every sync; when told, all is left as it was
    QTest::addColumn<QString>("notice"); // by the first sync only
    const QString damaged = QStringLiteral("was damaged and could not be read. It now holds");
    const QString notRead = QStringLiteral("could not be read, so the settings it holds were left");
    const QString notWritten = QStringLiteral("could not be written");
    const QByteArray valid("[Settings]\nStoneGroup0=0\n");
    const QByteArray stray("garbage\x00\xff\n", 10);
    QTest::newRow("damaged section")
        << "file" << QByteArray("[Settings\nStoneGroup0=0\n") << "" << damaged;
    QTest::newRow("damaged by stray bytes") << "file" << stray << "" << damaged;
    QTest::newRow("megabytes of stray bytes") << "file" << stray.repeated(800000) << "" << damaged;
    QTest::newRow("unreadable") << "unreadable" << valid << notRead << "";
    QTest::newRow("a folder") << "folder" << QByteArray() << notRead << "";
    QTest::newRow("a link to /dev/full") << "device" << QByteArray() << notWritten << "";
    QTest::newRow("a named pipe") << "pipe" << QByteArray() << notWritten << "";
    QTest::newRow("the disk is full") << "full disk" << valid << notWritten << "";
    QTest::newRow("a folder that cannot be written")
        << "read-only folder" << valid << notWritten << "";
    QTest::newRow("a file in the folder's place") << "file for folder" << valid << notWritten << "";
}

void PlatformTest::settings_troubleIsToldAsItIs()
{
    QFETCH(QString, place);
    QFETCH(QByteArray, content);
    QFETCH(QString, told);
    QFETCH(QString, notice);
    QTemporaryDir folder;
    const bool blocked = place == QLatin1String("file for folder");
    const QString ini = folder.filePath(blocked ? QStringLiteral("blocked/Orlendra.ini")
                                                : QStringLiteral("Orlendra.ini"));
    QFile file(blocked ? folder.filePath(QStringLiteral("blocked")) : ini);
    if (place == QLatin1String("folder")) {
        QVERIFY(QDir(folder.path()).mkdir(file.fileName()));
    } else if (place == QLatin1String("device")) {
        if (!linkToAFullDisk(ini))
            QSKIP("No device like /dev/full could be made here");
    } else if (place == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    } else {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
    }
    if (place == QLatin1String("unreadable"))
        QVERIFY(file.setPermissions({}));
    if (place == QLatin1String("read-only folder"))
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QString section = QStringLiteral("Settings");
    const auto says = [](const QString &text, const QString &part) {
        if (part.isEmpty() ? text.isEmpty() : text.contains(part))
            return true;
        qWarning("Said \"%s\", expected \"%s\"", qPrintable(text), qPrintable(part));
        return false;
    };
    const auto syncs = [&] {
        IniSettingsStore store(ini);
        store.write(section, QStringLiteral("StoneGroup0"), QStringLiteral("1"));
        const bool first = says(store.sync(), told) && says(store.takeNotice(), notice);
        store.write(section, QStringLiteral("StoneGroup1"), QStringLiteral("0"));
        // Values not stored stay to be stored: every later save tells again.
        return first && says(store.sync(), told) && says(store.takeNotice(), QString()) &&
               says(store.sync(), told);
    };
    QVERIFY(asOrdinaryUser({folder.path(), file.fileName()}, [&] {
        return place == QLatin1String("full disk") ? onAFullDisk(syncs) : syncs();
    }));
    if (place == QLatin1String("unreadable"))
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(folder.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (told.isEmpty()) {
        IniSettingsStore again(ini);
        QCOMPARE(again.read(section, QStringLiteral("StoneGroup0")), QStringLiteral("1"));
        QCOMPARE(again.read(section, QStringLiteral("StoneGroup1")), QStringLiteral("0"));
    } else if (place == QLatin1String("folder")) {
        QVERIFY(QFileInfo(ini).isDir());
    } else if (place == QLatin1String("device") || place == QLatin1String("pipe")) {
        QVERIFY(FileSaving::pathKind(ini) != FileSaving::PathKind::File);
    } else {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void PlatformTest::guardedBox_offersNoCopyOrCut_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("Ctrl+C") << QKeyCombination(Qt::ControlModifier, Qt::Key_C) << true;
    QTest::newRow("Ctrl+Insert") << QKeyCombination(Qt::ControlModifier, Qt::Key_Insert) << true;
    QTest::newRow("Ctrl+X") << QKeyCombination(Qt::ControlModifier, Qt::Key_X) << false;
    QTest::newRow("Shift+Delete") << QKeyCombination(Qt::ShiftModifier, Qt::Key_Delete) << false;
    QTest::newRow("Ctrl+C editable") << QKeyCombination(Qt::ControlModifier, Qt::Key_C) << false;
}

void PlatformTest::guardedBox_offersNoCopyOrCut()
{
    QFETCH(QKeyCombination, keys);
    QFETCH(bool, readOnly);
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.setReadOnly(readOnly);
    box.setText(QStringLiteral("Secret rune lore"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
    box.selectAll();
    QTest::keyClick(&box, keys.key(), keys.keyboardModifiers());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("copied elsewhere"));
    QCOMPARE(box.text(), QStringLiteral("Secret rune lore"));
}

void PlatformTest::guardedBox_contextMenuHasNoCopy()
{
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.setText(QStringLiteral("Secret"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.selectAll();
    QStringList names;
    // The menu is modal; read its entries once it is up, then close it.
    QTimer::singleShot(0, this, [&names] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(widget); menu && menu->isVisible()) {
                for (QAction *action : menu->actions())
                    names << action->objectName();
                menu->close();
            }
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box.viewport(), &event);
    QVERIFY(names.contains(QLatin1String("select-all")));
    QVERIFY(!names.contains(QLatin1String("edit-copy")));
    QVERIFY(!names.contains(QLatin1String("edit-cut")));
}

void PlatformTest::guardedBox_clearsOnlyOurClipboard_data()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("after");
    QTest::newRow("from another program") << false << "copied elsewhere";
    QTest::newRow("from this program") << true << "";
}

void PlatformTest::guardedBox_clearsOnlyOurClipboard()
{
    QFETCH(bool, ours);
    QFETCH(QString, after);
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.resize(200, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto reset = [&] {
        platform.clipboardText = QStringLiteral("copied elsewhere");
        platform.clipboardOurs = ours;
    };
    reset();
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 20),
                     box.viewport()->mapToGlobal(QPointF(20, 20)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(box.viewport(), &move);
    QCOMPARE(platform.clipboardText, after);
    reset();
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(platform.clipboardText, after);
    reset();
    box.setText(QStringLiteral("changed by the program"));
    QCOMPARE(platform.clipboardText, after);
    // A box nobody sees takes its text in only when shown; the rule holds when the text is given,
    // and the showing itself leaves whatever is on the clipboard by then alone.
    GuardedTextBox hidden(platform);
    reset();
    hidden.setText(QStringLiteral("held until shown"));
    QCOMPARE(platform.clipboardText, after);
    reset();
    hidden.show();
    QVERIFY(QTest::qWaitForWindowExposed(&hidden));
    QCOMPARE(hidden.toPlainText(), QStringLiteral("held until shown"));
    QCOMPARE(platform.clipboardText, QStringLiteral("copied elsewhere"));
}

void PlatformTest::guardedBox_keepsCrLf()
{
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    // Text given before the box is first shown is laid out when it appears.
    box.setText(QStringLiteral("one\r\ntwo"));
    QCOMPARE(box.text(), QStringLiteral("one\r\ntwo"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.blockCount(), 2);
    QCOMPARE(box.text(), QStringLiteral("one\r\ntwo"));
    box.setText(QStringLiteral("a\r\n\r\nb"));
    QCOMPARE(box.blockCount(), 3);
    QCOMPARE(box.text(), QStringLiteral("a\r\n\r\nb"));
}

void PlatformTest::guardedBox_pastesOnlyText_data()
{
    QTest::addColumn<QString>("format"); // empty: the clipboard holds nothing at all
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("after");
    const QStringList routes{"Ctrl+V", "Shift+Insert", "menu"};
    for (const QString &route : routes) {
        QTest::addRow("nothing, %s", qPrintable(route)) << "" << QByteArray() << route << "goal";
        QTest::addRow("no format, %s", qPrintable(route))
            << "none" << QByteArray() << route << "goal";
        QTest::addRow("a picture, %s", qPrintable(route))
            << "image/png" << QByteArray("\x89PNG") << route << "goal";
        QTest::addRow("text, %s", qPrintable(route))
            << "text/plain" << QByteArray("Rune ") << route << "Rune goal";
        QTest::addRow("empty text, %s", qPrintable(route))
            << "text/plain" << QByteArray() << route << "goal";
    }
}

void PlatformTest::guardedBox_pastesOnlyText()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);
    QFETCH(QString, route);
    QFETCH(QString, after);
    ScriptedPlatform platform;
    GuardedTextBox box(platform);
    box.setText(QStringLiteral("goal"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (!format.isEmpty()) {
        // What another program leaves behind: data with no format, or only one that is no text.
        auto *mime = new QMimeData;
        if (format != QLatin1String("none"))
            mime->setData(format, data);
        clipboard->setMimeData(mime);
    }
    box.setFocus();
    box.moveCursor(QTextCursor::Start);
    if (route == QLatin1String("Ctrl+V")) {
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    } else if (route == QLatin1String("Shift+Insert")) {
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    } else {
        // "Paste" is offered exactly when it would paste something.
        QTimer::singleShot(0, this, [after] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *menu = qobject_cast<QMenu *>(widget); menu && menu->isVisible()) {
                    for (QAction *action : menu->actions()) {
                        if (action->objectName() == QLatin1String("edit-paste")) {
                            QCOMPARE(action->isEnabled(), after != QLatin1String("goal"));
                            action->trigger();
                        }
                    }
                    menu->close();
                }
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                box.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box.viewport(), &event);
    }
    QCOMPARE(box.text(), after);
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
