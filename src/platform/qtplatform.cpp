#include "qtplatform.h"

#include "filesaving.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <QUrl>

#include <chrono>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString programTitle = QStringLiteral("Orlendra");

bool isADevice(const QString &path)
{
    const auto kind = FileSaving::pathKind(path);
    return kind == FileSaving::PathKind::Device || kind == FileSaving::PathKind::Other;
}

bool namesItsOwner(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return lock.getLockInfo(&pid, &host, &application);
}

// The owner of a lock that Qt cannot judge because it was taken on another machine: Qt checks
// whether the owner's process lives only for a lock of this machine, known by its id where the
// lock names one, otherwise by the host name. The rule here must be Qt's, or a lock of a dead run
// here would be offered for removal as if it were another machine's.
std::optional<Platform::LockOwner> ownerOnAnotherMachine(const QString &lockFile)
{
    QFile file(lockFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    const QString host = QString::fromUtf8(lines.value(2));
    const QByteArray machine = lines.value(3);
    const QByteArray ourMachine = QSysInfo::machineUniqueId();
    const bool here = !machine.isEmpty() && !ourMachine.isEmpty()
                          ? machine == ourMachine
                          : host.isEmpty() || host == QSysInfo::machineHostName();
    if (here)
        return std::nullopt;
    return Platform::LockOwner{lockFile, host, QFileInfo(lockFile).lastModified()};
}

class MessageBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;
    Q_DISABLE_COPY_MOVE(MessageBox)

    // Whether a button's underlined letter answers without Alt, as Qt's box has it.
    bool takesBareLetters = true;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const auto withCommand = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
        if (!takesBareLetters && !(event->modifiers() & withCommand) && !event->text().isEmpty() &&
            event->text().front().isLetterOrNumber()) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

QString currentUserId()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return QDir::home().dirName();
#endif
}

} // namespace

// The file is named here rather than by Qt, whose store for a scope reads the file as it is made.
IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/%1/%1.ini").arg(programTitle))
{}

IniSettingsStore::IniSettingsStore(const QString &iniFile)
    : m_fileName(QFileInfo(iniFile).absoluteFilePath())
    , m_onADevice(isADevice(iniFile))
{
    // Qt reads the file as soon as the store is made, and would wait on a pipe for good.
    if (m_onADevice)
        return;
    m_settings = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    m_unreadable = m_settings->status() == QSettings::AccessError;
}

QString IniSettingsStore::read(const QString &section, const QString &key) const
{
    return m_settings ? m_settings->value(section + QLatin1Char('/') + key).toString() : QString();
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    const QString name = section + QLatin1Char('/') + key;
    if (m_onADevice) {
        m_unsynced.insert(name, value);
        return;
    }
    // A damaged store is written over even with the values it still shows.
    if (m_unsynced.isEmpty() && m_settings->status() == QSettings::NoError &&
        m_settings->contains(name) && m_settings->value(name).toString() == value)
        return;
    m_settings->setValue(name, value);
    m_unsynced.insert(name, value);
}

QString IniSettingsStore::sync()
{
    if (m_unsynced.isEmpty())
        return {};
    const QString &fileName = m_fileName;
    const QString shownName = QDir::toNativeSeparators(fileName);
    if (m_unreadable)
        return tr("The file %1 could not be read, so the settings it holds were left as they are.")
            .arg(shownName);
    if (m_onADevice)
        return tr("The file %1 could not be written.").arg(shownName);
    m_settings->sync();
    switch (m_settings->status()) {
    case QSettings::NoError:
        m_unsynced.clear();
        return {};
    case QSettings::AccessError:
        return tr("The file %1 could not be written.").arg(shownName);
    case QSettings::FormatError:
        break;
    }
    // Qt writes the values over a damaged file but goes on calling it damaged; a store opened
    // afresh reads the file again and tells whether it now holds them.
    m_settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    for (auto it = m_unsynced.cbegin(); it != m_unsynced.cend(); ++it) {
        if (m_settings->status() != QSettings::NoError ||
            m_settings->value(it.key()).toString() != *it)
            return tr("The file %1 is damaged and could not be replaced.").arg(shownName);
    }
    m_unsynced.clear();
    m_notice = tr("The file %1 was damaged and could not be read. It now holds your current study "
                  "settings.")
                   .arg(shownName);
    return {};
}

QString IniSettingsStore::takeNotice()
{
    return std::exchange(m_notice, QString());
}

QtPlatform::QtPlatform(const QString &lockFile)
    : m_lockPath(lockFile.isEmpty() ? defaultLockFile() : lockFile)
{}

QtPlatform::~QtPlatform() = default;

QString QtPlatform::defaultLockFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!folder.isEmpty() && QDir().mkpath(folder))
        return folder + QStringLiteral("/orlendra.lock");
    // The temporary folder is shared by every user of the machine. A lock there must name its
    // user: one user's run, or a lock that another user's killed run left behind and nobody
    // else may remove, must never keep a different user out.
    return QDir::tempPath() + QStringLiteral("/orlendra-%1.lock").arg(currentUserId());
}

Platform::Answer QtPlatform::message(QWidget *parent, const QString &text, Icon icon,
                                     Buttons buttons, Answer defaultAnswer,
                                     const QString &spokenDetail)
{
    // The program's texts may break a line with a carriage return alone; the box wants a line
    // feed.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const auto shownIcon = icon == Icon::Critical  ? QMessageBox::Critical
                           : icon == Icon::Warning ? QMessageBox::Warning
                                                   : QMessageBox::Information;
    const bool question = buttons != Buttons::Ok;
    MessageBox box(shownIcon, programTitle, shown,
                   question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    // The text quotes names from outside (a host name from a lock file, a file name), which are
    // never markup.
    box.setTextFormat(Qt::PlainText);
    // An address or a file name in the text can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (buttons == Buttons::YesNoDestructive) {
        box.setDefaultButton(QMessageBox::No);
        box.takesBareLetters = false;
    } else if (question) {
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    }
    // The button that takes the focus is what a screen reader speaks last.
    for (QAbstractButton *button : box.buttons())
        button->setAccessibleDescription(spokenDetail);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        // Closing a Yes/No box with Esc or its close button is a No.
        return question ? Answer::No : Answer::Ok;
    }
}

QString QtPlatform::pickFolder(QWidget *parent, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, tr("Choose a Folder"),
                                             start.isEmpty() ? QDir::homePath() : start);
}

QString QtPlatform::saveFileName(QWidget *parent, const QString &filter)
{
    // Left to itself the dialog opens in the working folder, which is the program's own beside
    // the goal files; the user's documents are where a result belongs.
    if (m_saveFolder.isEmpty()) {
        m_saveFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(m_saveFolder).isDir())
            m_saveFolder = QDir::homePath();
    }
    // The desktop's own dialog, which the user knows, wherever the desktop offers one.
    const QString typed = QFileDialog::getSaveFileName(parent, QString(), m_saveFolder, filter);
    if (typed.isEmpty())
        return {};
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    const QString chosen = FileSaving::nameToSave(typed, firstSuffix.match(filter).captured(1));
    // The dialog asked about replacing the name as typed; with the suffix it is another file.
    if (chosen != typed && FileSaving::pathKind(chosen) != FileSaving::PathKind::Missing &&
        message(parent,
                tr("A file %1 is already there. Do you want to replace it?")
                    .arg(QFileInfo(chosen).fileName()),
                Icon::Warning, Buttons::YesNo, Answer::No, {}) != Answer::Yes)
        return {};
    m_saveFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

void QtPlatform::clearClipboardIfOurs()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard())
        clipboard->clear();
}

SettingsStore &QtPlatform::settings()
{
    // Created on first use: start-up reads the store anyway, but nothing earlier needs it.
    if (!m_settings)
        m_settings = std::make_unique<IniSettingsStore>();
    return *m_settings;
}

QtPlatform::GoalFolder QtPlatform::ownGoalFolder()
{
    const QString own = QCoreApplication::applicationDirPath();
    return goalFolder(own, QFileInfo(own).isWritable(), QStringLiteral(ORLENDRA_INSTALLED_BIN_DIR));
}

QString QtPlatform::programFolder() const
{
    return ownGoalFolder().path;
}

QString QtPlatform::dataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString QtPlatform::takeGoalFolderTrouble()
{
    if (std::exchange(m_goalFolderTroubleTaken, true))
        return {};
    return ownGoalFolder().trouble;
}

bool QtPlatform::isInstalledIn(const QString &programFolder, const QString &installedFolder)
{
    const QString folder = QDir::cleanPath(programFolder);
    if (!installedFolder.isEmpty() && folder == QDir::cleanPath(installedFolder))
        return true;
    for (const QLatin1String root : {QLatin1String("/usr"), QLatin1String("/opt")}) {
        if (folder == root || folder.startsWith(root + QLatin1Char('/')))
            return true;
    }
    return false;
}

QtPlatform::GoalFolder QtPlatform::goalFolder(const QString &programFolder,
                                              bool programFolderWritable,
                                              const QString &installedFolder)
{
    // An installed program never writes where it is installed, whoever runs it: files no package
    // owns would stay there after its removal. Run from its build folder or an unpacked folder,
    // it keeps the goal files beside itself, where they have always been, as long as that folder
    // takes a save.
    const bool installed = isInstalledIn(programFolder, installedFolder);
    if (programFolderWritable && !installed)
        return {programFolder, {}};
    // Otherwise each user keeps goals of their own.
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!perUser.isEmpty() && QDir().mkpath(perUser) && QFileInfo(perUser).isWritable())
        return {perUser, {}};
    QStringList tried;
    if (!installed)
        tried.append(QDir::toNativeSeparators(programFolder));
    if (!perUser.isEmpty())
        tried.append(QDir::toNativeSeparators(perUser));
    const QString trouble =
        tried.size() < 2
            //: %1 is a folder
            ? tr("No goal file can be created in %1, so your goals cannot be kept.")
                  .arg(tried.value(0))
            //: %1 and %2 are folders
            : tr("No goal file can be created in %1 or in %2, so your goals cannot be kept.")
                  .arg(tried[0], tried[1]);
    return {installed || perUser.isEmpty() ? perUser : programFolder, trouble};
}

bool QtPlatform::anotherInstanceRunning()
{
    m_uncheckedOwner.reset();
    if (m_lock && m_lock->isLocked())
        return false;
    // Anything but a file where the lock belongs is no run's lock, and opening a pipe would hold
    // the start up for good: the run goes on without a lock, as where none can be made.
    if (const auto kind = FileSaving::pathKind(m_lockPath);
        kind != FileSaving::PathKind::Missing && kind != FileSaving::PathKind::File)
        return false;
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // The lock is held for the whole run, so age alone must never make it stale; a lock left by a
    // run that was killed is still recognised, as its process no longer exists.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return false;
    // A lock that names no owner (a run cut off by a power failure may leave it empty, or
    // garbled) would keep every later start out for good. A run that has only just made its
    // lock writes its name into it at once, so the name is looked for again after a moment.
    // Removing the lock fails for as long as any run still holds it.
    if (m_lock->error() == QLockFile::LockFailedError && !namesItsOwner(*m_lock)) {
        QThread::msleep(100);
        if (!namesItsOwner(*m_lock) && m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return false;
    }
    // Only a lock held by a live process means another run; a lock we cannot even create (a
    // read-only folder) must not keep the user out.
    if (m_lock->error() != QLockFile::LockFailedError)
        return false;
    m_uncheckedOwner = ownerOnAnotherMachine(m_lockPath);
    return true;
}

bool QtPlatform::takeOverLock()
{
    m_uncheckedOwner.reset();
    // Removing fails while a run on this machine holds the lock, such as one that started here
    // while the user was deciding.
    return m_lock && m_lock->removeStaleLockFile() && m_lock->tryLock(0);
}

bool QtPlatform::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

void QtPlatform::seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_random.seed(static_cast<RandomEngine::result_type>(ticks ^ (ticks >> 32)));
}
