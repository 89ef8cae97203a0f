#pragma once

#include "historybackups.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <utility>

class QSqlError;

// The SQLite file that holds the history, and what the user should hear about it. Nothing is
// opened until the history is first used, so a run that never finishes a test never reads it.
// Opening checks that the file is one of ours, brings one written by an earlier version up to
// date, and moves a damaged or foreign file aside for a fresh one, or for the newest good backup
// if the user wants it. Whatever goes wrong with the file, the tests go on: there is just no
// history this run. Only a file another program holds is tried again later.
class HistoryDatabase
{
    Q_DECLARE_TR_FUNCTIONS(HistoryDatabase)

public:
    static inline const QString fileName = QStringLiteral("history.sqlite");

    // The history in `folder`, created when first needed.
    explicit HistoryDatabase(const QString &folder);
    ~HistoryDatabase();
    Q_DISABLE_COPY_MOVE(HistoryDatabase)

    // Opens the file if that has not been tried yet, or tries again when it was waiting; false
    // when there is no history, for this run or for now.
    bool open();
    // The history cannot take a test now but may later: another program holds the file, or a
    // damaged history waits for the user's word on the backup offered in its place.
    bool waiting() const
    {
        return m_state == State::Busy || m_state == State::Offering || m_state == State::Upgrading;
    }
    // A history written by an earlier version is being brought up to date beside the program:
    // over a long history that takes seconds, which no window waits for. Tests wait meanwhile.
    bool upgrading() const;
    // While it is, `then` is called in `context`'s thread once it has ended, and this is true.
    bool whenUpgraded(QObject *context, std::function<void()> then);
    // Waits for the upgrade to end, at the end of the run: a test waiting for it is kept.
    void waitForUpgrade();
    QString filePath() const { return m_path; }
    // Why new tests are not being kept while the file can only be read (what it holds is still
    // shown), otherwise empty.
    QString whyReadOnly() const { return m_whyReadOnly; }
    // Waits, the first time, for the check of every page that opening left running.
    bool writable();
    // The check of every page that opening left running, true when it found the file damaged;
    // none when there is none to wait for. For a reader that may write only to a whole file.
    std::shared_future<bool> pageCheck() const { return m_pageCheck; }
    // That check still runs: whatever can wait should.
    bool checkingPages() const
    {
        return m_pageCheck.valid() &&
               m_pageCheck.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
    }
    // The Qt SQL connection, once open; empty before.
    QString connectionName() const { return m_connection; }

    // Adds a paragraph to what the user should hear.
    void tell(const QString &text);
    // What the user should hear about the history since the last call, or an empty text. That
    // there is no history this run is told only once.
    QString takeNotice() { return std::exchange(m_notice, QString()); }

    // The backup offered in place of a damaged history that was moved aside, until the user
    // restores it or declines.
    std::optional<HistoryBackups::Backup> offeredBackup() const { return m_offered; }
    void declineBackup();
    // The newest backup that opens whole as a history this program reads.
    std::optional<HistoryBackups::Backup> newestGoodBackup() const;
    // Puts `backup` in place of the history, keeping a history that stands there aside, and
    // opens it; false when it could not be put in place, and the notice says why.
    bool restore(const HistoryBackups::Backup &backup);
    // After a change: the day's backup, unless the day has one.
    void backUpIfDue();
    // A connection of its own to the open history, for a long read beside the program's (the
    // export), or an empty name when there is none. Each is closed with closeReader().
    QString openReader();
    static void closeReader(const QString &connection);
    // The name and options the file was opened with, for a reader on a thread of its own to
    // open it the same way.
    std::pair<QString, QString> openedAs() const { return m_openedAs; }
    // How many problems a check of every page finds, and of the tables and columns the program
    // needs; nothing when the check could not run.
    std::optional<int> problems();
    // Of the tables and columns the program needs, those the open file lacks: "table" or
    // "table.column".
    QStringList missingSchema();
    // Whether the `problems` a check found are all of what the file lacks, and all that can be
    // worked out again from the answers it holds.
    bool rebuildable(int problems);
    // Works out again what is worked out from the answers: the boxes and the stones' tallies.
    // False when that failed, and the notice says why.
    bool rebuild();
    // The clock that names the backups: the system's own unless a test sets its time.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    enum class State { Untried, Open, Busy, Offering, Upgrading, Unusable };
    enum class Check { Ours, Foreign, Newer, Damaged, Busy, Failed, Upgrading };

    bool openFile();
    void closeFile();
    // `why` and `detail` say what failed, in the program's words and the driver's.
    Check check(bool readOnly, QString &why, QString &detail);
    bool migrate(int from, QSqlError &error);
    // Brings the file up to date on a thread of its own, through a history of its own there.
    void upgradeAside();
    // Takes over what that history came to, once it has.
    void upgraded();
    // Reads every page of the file on a connection of its own, beside the program: over a long
    // history that takes the best part of a second, which the start would wait for otherwise.
    void checkPagesAside();
    // Whether that check found the file damaged, told once; waits for it when `wait`.
    bool foundDamaged(bool wait);
    void damagedAfterOpening();
    // Beside the history, what it looked like when this program last closed it whole.
    QString stampPath() const;
    void noteClosedWhole();
    bool unchangedSinceClosed() const;
    QString asidePath() const;
    // Puts a file found Foreign or Damaged aside, for a new history to begin in its place.
    void moveAside(Check found);
    void backUp(const QDateTime &now);
    void giveUp(const QString &why, const QString &detail = {});

    QString m_folder;
    QString m_path;
    QString m_connection;
    // The name and options the file was opened with, for a reader to open it the same way.
    std::pair<QString, QString> m_openedAs;
    std::shared_future<bool> m_pageCheck; // true: damaged
    // Every page was read and found whole, or the file is as it was when last closed so.
    bool m_knownWhole = false;
    // The history that brings the file up to date beside the program, and what it came to.
    struct Upgrade;
    std::unique_ptr<Upgrade> m_upgrade;
    // Upgrades where it stands rather than beside the program: the one beside it.
    bool m_upgradeHere = false;
    // The upgrade beside the program read every page and found them whole.
    bool m_wholeAfterUpgrade = false;
    State m_state = State::Untried;
    QString m_whyReadOnly;
    QString m_notice;
    std::optional<HistoryBackups::Backup> m_offered;
    std::function<QDateTime()> m_clock = &QDateTime::currentDateTimeUtc;
    bool m_backupTroubleTold = false;
};
