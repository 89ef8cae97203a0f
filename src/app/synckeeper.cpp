#include "synckeeper.h"

#include "history/historystore.h"
#include "platform/platform.h"
#include "syncfolderdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>
#include <QUuid>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const QString section = QStringLiteral("Sync");
// What one slice of a look reads at most, so that the window answers in between.
constexpr qint64 SliceBytes = 8 << 20;

} // namespace

SyncKeeper::SyncKeeper(Platform &platform, std::function<HistoryStore &()> history, QObject *parent)
    : QObject(parent)
    , m_platform(platform)
    , m_history(std::move(history))
    , m_watcher(new QFileSystemWatcher(this))
    , m_soon(new QTimer(this))
    , m_now(new QTimer(this))
    , m_slowly(new QTimer(this))
{
    // A sync tool writes a file in steps: one look after it has settled.
    m_soon->setSingleShot(true);
    m_soon->setInterval(1s);
    m_now->setSingleShot(true);
    m_now->setInterval(0);
    m_slowly->setInterval(1min);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_soon, qOverload<>(&QTimer::start));
    connect(m_soon, &QTimer::timeout, this, &SyncKeeper::look);
    connect(m_now, &QTimer::timeout, this, &SyncKeeper::look);
    connect(m_slowly, &QTimer::timeout, this, &SyncKeeper::look);
}

void SyncKeeper::start()
{
    SettingsStore &settings = m_platform.settings();
    const QString folder = settings.read(section, QStringLiteral("Folder"));
    if (folder.isEmpty())
        return;
    // The first look follows the window's first paint, with the due count (dueTodayWanted): a
    // look asked for here could open the history before the window is on screen.
    apply(folder, settings.read(section, QStringLiteral("Name")));
}

void SyncKeeper::apply(const QString &folder, const QString &computer)
{
    SettingsStore &settings = m_platform.settings();
    QString id = settings.read(section, QStringLiteral("Id"));
    // Made once for the profile: it tells this computer's journal from any other's of its name.
    if (id.size() != 32 || id.contains(QRegularExpression(QStringLiteral("[^0-9a-f]")))) {
        id = QUuid::createUuid().toString(QUuid::Id128);
        settings.write(section, QStringLiteral("Id"), id);
    }
    const QString name = computer.isEmpty() ? QSysInfo::machineHostName() : computer;
    // A folder written by hand may be relative: it is taken as from the home folder.
    const QString absolute =
        folder.isEmpty() ? QString() : QDir(QDir::homePath()).absoluteFilePath(folder);
    m_history().sync().setFolder(absolute, name, id.toLatin1());
    watch();
}

void SyncKeeper::watch()
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    const QString folder = m_history().sync().folder();
    if (folder.isEmpty()) {
        m_slowly->stop();
        return;
    }
    // An unmounted folder is watched again once the slow look finds it back.
    if (QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
    m_slowly->start();
}

void SyncKeeper::look()
{
    HistorySync &sync = m_history().sync();
    if (!sync.active())
        return;
    // Right after the start the history is still being checked: the window must not wait.
    if (sync.busy()) {
        m_soon->start();
        return;
    }
    if (m_watcher->directories().isEmpty() && QFileInfo(sync.folder()).isDir())
        watch();
    bool more = false;
    const bool changed = sync.merge(SliceBytes, &more);
    // A folder that was away takes what waited.
    sync.catchUp();
    if (changed)
        emit historyChanged();
    if (more)
        m_now->start();
    else
        emit noticeWaiting(nullptr);
}

void SyncKeeper::recorded()
{
    if (m_history().sync().active())
        m_history().sync().catchUp();
}

void SyncKeeper::choose(QWidget *over)
{
    const HistorySync &shown = m_history().sync();
    const QString name = m_platform.settings().read(section, QStringLiteral("Name"));
    auto *dialog = new SyncFolderDialog(
        m_platform, shown.folder(), name.isEmpty() ? QSysInfo::machineHostName() : name,
        shown.active() ? m_history().sync().computers() : QList<HistorySync::Computer>{}, over);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, over] {
        const QString folder = dialog->folder();
        if (!folder.isEmpty() && (!QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir())) {
            m_platform.message(over,
                               tr("There is no folder %1. Pick a folder that is there.")
                                   .arg(QDir::toNativeSeparators(folder)),
                               Platform::Icon::Warning);
            return;
        }
        HistorySync &sync = m_history().sync();
        const bool newFolder = folder != sync.folder();
        SettingsStore &settings = m_platform.settings();
        settings.write(section, QStringLiteral("Folder"), folder);
        settings.write(section, QStringLiteral("Name"), dialog->computer());
        if (const QString why = settings.sync(); !why.isEmpty())
            m_platform.message(over, why, Platform::Icon::Warning);
        apply(folder, dialog->computer());
        if (newFolder && sync.active())
            sync.folderChosen();
        look();
        emit noticeWaiting(over);
    });
    dialog->open();
}
