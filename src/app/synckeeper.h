#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class HistoryStore;
class Platform;
class QFileSystemWatcher;
class QTimer;
class QWidget;

// Keeps the history in step with the sync folder while the program runs: reads the other
// computers' journals at start, whenever the folder changes and now and then (a sync tool
// replaces a file by renaming a new copy over it, which not every watcher sees), and writes each
// finished test out. A large folder is read a slice at a time, so no window waits for it.
class SyncKeeper : public QObject
{
    Q_OBJECT

public:
    SyncKeeper(Platform &platform, std::function<HistoryStore &()> history,
               QObject *parent = nullptr);

    // The folder and the computer's name as the settings file has them ([Sync] Folder, Name),
    // and a first look once the event loop runs.
    void start();
    // Reads what is new; a look already under way just goes on.
    void look();
    // After a test or round was recorded.
    void recorded();
    // "Sync Folder...", over `over`.
    void choose(QWidget *over);

signals:
    // The history took tests from other computers, or lost some to a forget.
    void historyChanged();
    // The history has something to say; over `over` when given.
    void noticeWaiting(QWidget *over);

private:
    void apply(const QString &folder, const QString &computer);
    void watch();

    Platform &m_platform;
    std::function<HistoryStore &()> m_history;
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_soon = nullptr;
    QTimer *m_now = nullptr;
    QTimer *m_slowly = nullptr;
};
