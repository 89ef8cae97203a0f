#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// Copies of the history in a folder "backups" beside it, each named by the time it was taken
// (history-20261207T231500Z.sqlite, UTC). A copy is written under a name of its own and renamed
// only once it is whole, so a run killed half way leaves every earlier copy as it was. A name
// tells the time by the clock of its day, which may have been wrong: of two copies, the one that
// holds the other's latest test and tests after it is the newer, whatever their names say.
class HistoryBackups
{
    Q_DECLARE_TR_FUNCTIONS(HistoryBackups)

public:
    static inline const QString folderName = QStringLiteral("backups");

    struct Backup {
        QString path;
        QDateTime taken; // UTC
        qint64 tests = 0;
    };
    // What a history must be to be restored: its program's id, no newer version than `version`,
    // and at that version every "table.column" of `schema`.
    struct Wanted {
        int applicationId = 0;
        int version = 0;
        QSet<QString> schema;
    };

    // The backups of the history at `historyPath`.
    explicit HistoryBackups(const QString &historyPath);

    // When each backup was taken, newest first.
    QList<QDateTime> times() const;
    // Whether the day of `now` (UTC, as the names) has no backup yet.
    bool dueOn(const QDateTime &now) const;
    // Copies the history open on `connection` into a backup taken at `now`, then lets the old
    // ones go as the rotation says. An empty text on success, otherwise why it failed.
    QString take(const QString &connection, const QDateTime &now) const;
    // The newest backup that opens whole as `wanted`, with the number of tests it holds.
    std::optional<Backup> newestGood(const Wanted &wanted) const;

    QString pathOf(const QDateTime &taken) const;
    // The tables and columns of the history open on `connection`, as "table.column".
    static QSet<QString> schemaOf(const QString &connection);

private:
    struct Entry;
    // Every backup, newest first, each with the time it counts for.
    QList<Entry> entries(const Wanted *wanted) const;
    static void countInOrder(QList<Entry> &newestFirst);

    QString m_folder;
};

namespace BackupRotation {

// Which of the backups taken at `taken` go: of each of the seven newest days that have backups
// the newest is kept; of the older ones the newest of each ISO week, for the four newest weeks.
// Days and weeks are counted in UTC, as the backups are named.
QList<QDateTime> toDelete(QList<QDateTime> taken);

} // namespace BackupRotation
