#include "historybackups.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <functional>
#include <unistd.h>
#include <utility>

namespace {

const QString prefix = QStringLiteral("history-");
const QString suffix = QStringLiteral(".sqlite");
const QString stamp = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");
// A copy under way; only a whole copy takes a backup's name.
const QString partial = QStringLiteral(".partial");

} // namespace

HistoryBackups::HistoryBackups(const QString &historyPath)
    : m_folder(QFileInfo(historyPath).dir().filePath(folderName))
{}

QString HistoryBackups::pathOf(const QDateTime &taken) const
{
    return QDir(m_folder).filePath(prefix + taken.toUTC().toString(stamp) + suffix);
}

QList<QDateTime> HistoryBackups::times() const
{
    QList<QDateTime> times;
    const QStringList names =
        QDir(m_folder).entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files);
    for (const QString &name : names) {
        // Read as UTC from the start: as a local time, an hour skipped by the clocks would not be.
        const QDate date =
            QDate::fromString(name.mid(prefix.size(), 8), QStringLiteral("yyyyMMdd"));
        const QTime time =
            QTime::fromString(name.mid(prefix.size() + 9, 6), QStringLiteral("HHmmss"));
        const QDateTime taken(date, time, Qt::UTC);
        if (taken.isValid() && QFileInfo(pathOf(taken)).fileName() == name)
            times.append(taken);
    }
    std::sort(times.begin(), times.end(), std::greater<>());
    return times;
}

bool HistoryBackups::dueOn(const QDateTime &now) const
{
    const QDate today = now.toUTC().date();
    const QList<QDateTime> taken = times();
    return std::none_of(taken.cbegin(), taken.cend(),
                        [today](const QDateTime &time) { return time.date() == today; });
}

QString HistoryBackups::take(const QString &connection, const QDateTime &now) const
{
    QDir folder(m_folder);
    if (!folder.mkpath(QStringLiteral(".")))
        return tr("the folder %1 cannot be created").arg(QDir::toNativeSeparators(m_folder));
    // Left by a run that ended during a copy.
    for (const QString &left : folder.entryList({QLatin1Char('*') + partial}, QDir::Files))
        folder.remove(left);
    const QString path = pathOf(now);
    const QString copyPath = path + partial;
    QSqlQuery copy(QSqlDatabase::database(connection, false));
    copy.prepare(QStringLiteral("VACUUM INTO ?"));
    copy.addBindValue(copyPath);
    QString why;
    if (!copy.exec()) {
        why = copy.lastError().text();
    } else {
        // On the disk before it bears a backup's name, so a crash of the machine cannot leave a
        // backup that is only partly written.
        QFile written(copyPath);
        if (!written.open(QIODevice::ReadOnly) || ::fsync(written.handle()) != 0)
            why = tr("the copy could not be written to the disk");
        else if (!QFile::exists(path) && !QFile::rename(copyPath, path))
            why = tr("the copy could not be named %1").arg(QDir::toNativeSeparators(path));
    }
    // Also a copy of a second that has a backup already.
    QFile::remove(copyPath);
    if (!why.isEmpty())
        return why;
    for (const QDateTime &old : BackupRotation::toDelete(times()))
        QFile::remove(pathOf(old));
    return {};
}

std::optional<HistoryBackups::Backup> HistoryBackups::newestGood(int applicationId,
                                                                 int version) const
{
    static int checked = 0;
    for (const QDateTime &taken : times()) {
        const QString path = pathOf(taken);
        const QString connection = QStringLiteral("orlendra-backup-%1").arg(++checked);
        std::optional<qint64> tests;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (db.open()) {
                QSqlQuery query(db);
                const auto value = [&query](const QString &statement) {
                    return query.exec(statement) && query.next() ? query.value(0) : QVariant();
                };
                const QVariant count = value(QStringLiteral("SELECT count(*) FROM test"));
                if (value(QStringLiteral("PRAGMA application_id")).toInt() == applicationId &&
                    value(QStringLiteral("PRAGMA user_version")).toInt() <= version &&
                    value(QStringLiteral("PRAGMA quick_check")).toString() == QLatin1String("ok") &&
                    count.isValid())
                    tests = count.toLongLong();
            }
        }
        QSqlDatabase::removeDatabase(connection);
        if (tests)
            return Backup{path, taken, *tests};
    }
    return std::nullopt;
}

QList<QDateTime> BackupRotation::toDelete(QList<QDateTime> taken)
{
    constexpr qsizetype daysKept = 7;
    constexpr qsizetype weeksKept = 4;
    std::sort(taken.begin(), taken.end(), std::greater<>());
    QList<QDate> days;
    QList<std::pair<int, int>> weeks;
    QList<QDateTime> gone;
    for (const QDateTime &time : std::as_const(taken)) {
        const QDate day = time.toUTC().date();
        if (days.contains(day)) {
            gone.append(time);
        } else if (days.size() < daysKept) {
            days.append(day);
        } else {
            // The week of 1 January may belong to the year before, so the week goes with its own
            // year.
            int year = 0;
            const int week = day.weekNumber(&year);
            if (weeks.contains(std::pair(year, week)) || weeks.size() == weeksKept)
                gone.append(time);
            else
                weeks.append({year, week});
        }
    }
    return gone;
}
