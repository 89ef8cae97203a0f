#pragma once

#include "platform.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QMap>
#include <QSettings>

#include <memory>

// The per-user settings of the program, kept where Qt keeps them for this user.
class IniSettingsStore final : public SettingsStore
{
    Q_DECLARE_TR_FUNCTIONS(IniSettingsStore)

public:
    // The store of application "Orlendra" for the current user.
    IniSettingsStore();
    // A store kept in one given file; lets tests point it at a temporary folder.
    explicit IniSettingsStore(const QString &iniFile);

    QString read(const QString &section, const QString &key) const override;
    void write(const QString &section, const QString &key, const QString &value) override;
    QString sync() override;
    QString takeNotice() override;

private:
    QString m_fileName;
    // None while m_onADevice.
    std::unique_ptr<QSettings> m_settings;
    // The store could not be read when it was opened. What it holds then stays as it is: the
    // program only sees that nothing is stored and would write over the user's choices.
    bool m_unreadable = false;
    // A device or a pipe stands where the file belongs. Qt would wait on a pipe for good, and put
    // a file in the place of either on its first write, so nothing is handed to Qt at all.
    bool m_onADevice = false;
    QString m_notice;
    // Values written since the last sync that went through, by "Section/Key". While there are
    // none, a value that already stands in the store needs no writing, and a sync with nothing to
    // write touches no file: every start saves the ticks again, mostly unchanged.
    QMap<QString, QString> m_unsynced;
};

class QtPlatform final : public Platform
{
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    // lockFile: where the single-instance lock lives; empty for the per-user default.
    explicit QtPlatform(const QString &lockFile = {});
    ~QtPlatform() override;
    Q_DISABLE_COPY_MOVE(QtPlatform)

    Answer message(QWidget *parent, const QString &text, Icon icon, Buttons buttons,
                   Answer defaultAnswer, const QString &spokenDetail) override;
    QString saveFileName(QWidget *parent, const QString &filter) override;
    QString pickFolder(QWidget *parent, const QString &start) override;
    void clearClipboardIfOurs() override;
    SettingsStore &settings() override;
    QString programFolder() const override;
    QString dataFolder() const override;
    QString takeGoalFolderTrouble() override;
    bool anotherInstanceRunning() override;
    std::optional<LockOwner> uncheckedLockOwner() const override { return m_uncheckedOwner; }
    bool takeOverLock() override;
    bool print(QWidget *parent, const PaperDocument &document) override;
    bool openUrl(const QUrl &url) override;
    RandomEngine &random() override { return m_random; }
    void seedFromClock() override;
    QDateTime now() const override { return QDateTime::currentDateTime(); }

    static QString defaultLockFile();
    struct GoalFolder {
        QString path;
        // Set when no goal file can be created at path: a sentence naming the folders looked at.
        QString trouble;
    };
    // Where the goal files live for a program kept in programFolder: there while it can be
    // written, unless the program is installed; otherwise in the user's data folder for the
    // program, created if need be.
    static GoalFolder goalFolder(const QString &programFolder, bool programFolderWritable,
                                 const QString &installedFolder);
    // Whether a program kept in programFolder is installed: it is kept in installedFolder, the
    // folder it was configured to be installed in, or anywhere under /usr or /opt.
    static bool isInstalledIn(const QString &programFolder, const QString &installedFolder);

private:
    static GoalFolder ownGoalFolder();

    // Where the save dialog opens: the user's documents, then wherever they last saved.
    QString m_saveFolder;
    QString m_lockPath;
    bool m_goalFolderTroubleTaken = false;
    std::unique_ptr<QLockFile> m_lock;
    std::optional<LockOwner> m_uncheckedOwner;
    std::unique_ptr<IniSettingsStore> m_settings;
    RandomEngine m_random;
};
