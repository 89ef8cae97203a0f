#include "ordinaryuser.h"
#include "platform/filesaving.h"
#include "platform/qtplatform.h"
#include "scriptedplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
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
    void randomDrawsStayInRange();
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
    QTest::addColumn<QString>("action"); // keys pressed in turn, or "Yes" (clicked)
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
    // Before something is lost for good, only a deliberate act answers Yes; No is the default
    // whatever is asked for.
    const auto destructive = Platform::Buttons::YesNoDestructive;
    for (const auto &[action, answer] :
         {std::pair{"Enter", A::No}, std::pair{"Y", A::No}, std::pair{"Alt+Y", A::Yes},
          std::pair{"Yes", A::Yes}, std::pair{"Tab, Space", A::Yes}}) {
        QTest::addRow("destructive, %s", action)
            << I::Warning << destructive << A::Yes << action << M::Warning << (M::Yes | M::No)
            << M::No << answer;
    }
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
    bool plain = false;
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
        plain = box->findChild<QLabel *>("qt_msgbox_label")->textFormat() == Qt::PlainText;
        selectable = box->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
        shown = box->icon();
        offered = box->standardButtons();
        for (QAbstractButton *button : box->buttons()) {
            if (auto *push = qobject_cast<QPushButton *>(button); push && push->isDefault())
                defaults << box->standardButton(button);
            spoken << button->accessibleDescription();
        }
        // A button's shortcut works in the active window only.
        QVERIFY(QTest::qWaitForWindowActive(box));
        const QKeySequence keys(action);
        for (int key = 0; action != QLatin1String("Yes") && key < keys.count(); ++key)
            QTest::keyClick(box->focusWidget(), keys[key].key(), keys[key].keyboardModifiers());
        if (action == QLatin1String("Yes"))
            box->button(QMessageBox::Yes)->click();
        // A button pressed by its letter answers a moment later; keys that do not answer are
        // followed by Escape.
        QTimer::singleShot(300, box, [box] { QTest::keyClick(box, Qt::Key_Escape); });
    });
    const Platform::Answer given = platform.message(
        nullptr, QStringLiteral("First <b>line</b>\r<a href=\"https://example.org\">second</a>"),
        icon, buttons, defaultAnswer, QStringLiteral("Heard"));
    QCOMPARE(title, QStringLiteral("Orlendra"));
    QCOMPARE(text, QStringLiteral("First <b>line</b>\n<a href=\"https://example.org\">second</a>"));
    QVERIFY(plain);
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
    // What a guarded text box asks whenever it is touched or changed.
    platform.clearClipboardIfOurs();
    QCOMPARE(clipboard->text(), cleared ? QString() : copied);
}

// A name without a suffix gets the filter's, unless it names a file that is there; replacing a
// file is asked about, also one that only the suffix names.
void PlatformTest::realSaveDialog_opensInDocumentsThenWhereLastUsed()
{
    QTemporaryDir home;
    const QByteArray realHome = qgetenv("HOME");
    const auto restore = qScopeGuard([&] { qputenv("HOME", realHome); });
    qputenv("HOME", QFile::encodeName(home.path()));
    QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
    for (const char *name : {"notes", "kept.txt"})
        QVERIFY(QFile(home.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
    QtPlatform platform(home.filePath(QStringLiteral("orlendra.lock")));
    QStringList openedIn;
    QString asked;
    // Answers each dialog once it is up: a name in the dialog, Yes to a question about replacing.
    const char *typed = nullptr;
    QPointer<QFileDialog> answered;
    QTimer answering;
    connect(&answering, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            asked += box->text();
            box->button(QMessageBox::Yes)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal);
                   dialog && dialog != answered) {
            answered = dialog;
            openedIn << dialog->directory().absolutePath();
            dialog->selectFile(home.filePath(QLatin1String(typed)));
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        }
    });
    answering.start(0);
    for (const auto &[name, saved] : {std::pair{"result", "result.txt"},
                                      std::pair{"notes", "notes"}, std::pair{"kept", "kept.txt"}}) {
        typed = name;
        QCOMPARE(platform.saveFileName(nullptr, QStringLiteral("Text file (*.txt)")),
                 home.filePath(QLatin1String(saved)));
    }
    QCOMPARE(openedIn,
             QStringList({home.filePath(QStringLiteral("Documents")), home.path(), home.path()}));
    QCOMPARE(asked, QStringLiteral("notes already exists.\nDo you want to replace it?"
                                   "A file kept.txt is already there. Do you want to replace it?"));
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
    QTest::addColumn<bool>("longer");   // the new text is longer than the old
    QTest::addColumn<QString>("told");  // how the reason begins; empty: saved
    const QString room = "There is not enough room for it there.";
    const QString noFolder = "The folder to keep it in does not exist.";
    QTest::newRow("a new file") << "nothing" << false << "";
    QTest::newRow("a longer file replaced") << "file" << false << "";
    // No new file can be made beside it, so the file itself is written.
    QTest::newRow("a read-only folder") << "read-only folder" << false << "";
    QTest::newRow("a read-only folder, longer") << "read-only folder" << true << "";
    QTest::newRow("the same on a full disk") << "read-only folder, full disk" << true << room;
    QTest::newRow("a read-only folder and file") << "read-only file" << false << "You may not";
    QTest::newRow("the disk is full") << "full disk" << true << room;
    QTest::newRow("a missing folder") << "missing folder" << false << noFolder;
    QTest::newRow("a file in the folder's place") << "file for folder" << false << noFolder;
    QTest::newRow("a folder at the path") << "folder" << false << "A folder of that name";
    QTest::newRow("a link to /dev/full") << "device" << false << room;
    // Refused at once: writing would wait for a reader.
    QTest::newRow("a named pipe") << "pipe" << false << "It is neither a file nor a device.";
}

void PlatformTest::fileSaving_replace()
{
    QFETCH(QString, place);
    QFETCH(bool, longer);
    QFETCH(QString, told);
    const bool saved = told.isEmpty();
    const auto is = [&place](const char *what) { return place == QLatin1String(what); };
    const bool readOnly = place.startsWith(QLatin1String("read-only"));
    QTemporaryDir folder;
    const QString at = folder.filePath(QStringLiteral("saved.txt"));
    const QString path = is("missing folder")    ? folder.filePath(QStringLiteral("gone/new.txt"))
                         : is("file for folder") ? at + QStringLiteral("/new.txt")
                                                 : at;
    const QByteArray old("a much longer old text\r\n");
    const QByteArray content(longer ? "new, and longer than the old one was\r\n" : "new\r\n");
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
    const std::function<bool()> save = [&] {
        const FileSaving::Failure failure = FileSaving::replace(path, content);
        return saved ? failure.isEmpty() : failure.reason.startsWith(told);
    };
    const bool fullDisk = place.endsWith(QLatin1String("full disk"));
    const std::function<bool()> onTheDisk = [&] { return fullDisk ? onAFullDisk(save) : save(); };
    QVERIFY(readOnly ? asOrdinaryUser({folder.path(), at}, onTheDisk) : onTheDisk());
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

void PlatformTest::randomDrawsStayInRange()
{
    RandomEngine engine(1);
    std::array<int, 24> seen{};
    for (int i = 0; i < 24000; ++i) {
        const double unit = randomUnit(engine);
        QVERIFY(unit >= 0.0 && unit < 1.0);
        const int draw = randomBelow(engine, 24);
        QVERIFY(draw >= 0 && draw < 24);
        ++seen[draw];
    }
    for (int count : seen)
        QVERIFY(count > 800 && count < 1200);
    // The largest draw the engine can make still stays below 1.
    QVERIFY(static_cast<double>(RandomEngine::max()) / 4294967296.0 < 1.0);
}

QTEST_MAIN(PlatformTest)
#include "tst_platform.moc"
