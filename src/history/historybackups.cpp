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

struct HistoryBackups::Entry {
    QString path;
    QDateTime named;
    // The time it counts for, as the newest and in the rotation.
    QDateTime counts;
    // How many tests it holds, once it is found whole as wanted.
    std::optional<qint64> tests{};
    // The test recorded last in it, none in an empty or unreadable copy.
    qint64 latestId = 0;
    QVariant latestFinished{};
    QString connection;
};

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
    // Read before the copy is taken: the copies are opened to learn their order, which takes a
    // while, and a run ended between the new copy and the thinning leaves one copy too many.
    QList<Entry> all = QFile::exists(path) ? QList<Entry>() : entries(nullptr);
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
    // None to thin: the first copy, or one of a second that has a copy already.
    if (all.isEmpty())
        return {};
    // The copy just taken holds every test: it is the newest, whatever the others are named.
    const QTime second = now.toUTC().time();
    const QDateTime named(now.toUTC().date(),
                          QTime(second.hour(), second.minute(), second.second()), Qt::UTC);
    all.prepend(Entry{.path = path, .named = named, .counts = named, .connection = {}});
    countInOrder(all);
    QList<QDateTime> counted;
    for (const Entry &entry : std::as_const(all))
        counted.append(entry.counts);
    // Two copies may count for the same moment; of those, the older goes first.
    for (const QDateTime &old : BackupRotation::toDelete(counted)) {
        for (qsizetype i = all.size() - 1; i >= 0; --i) {
            if (all[i].counts == old) {
                QFile::remove(all.takeAt(i).path);
                break;
            }
        }
    }
    return {};
}

QSet<QString> HistoryBackups::schemaOf(const QString &connection)
{
    QSet<QString> columns;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    if (query.exec(QStringLiteral("SELECT m.name, p.name FROM sqlite_schema m, "
                                  "pragma_table_info(m.name) p WHERE m.type = 'table'"))) {
        while (query.next())
            columns.insert(query.value(0).toString() + QLatin1Char('.') +
                           query.value(1).toString());
    }
    return columns;
}

// A copy named later than the one taken after it was named by a clock that ran ahead: it counts
// for just before that one, so that it shares its day rather than holding a day of its own in the
// rotation for ever.
void HistoryBackups::countInOrder(QList<Entry> &newestFirst)
{
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        Entry &entry = newestFirst[i];
        entry.counts =
            i == 0 ? entry.named : std::min(entry.named, newestFirst[i - 1].counts.addSecs(-1));
    }
}

QList<HistoryBackups::Entry> HistoryBackups::entries(const Wanted *wanted) const
{
    static int opened = 0;
    QList<Entry> all;
    for (const QDateTime &named : times()) {
        Entry entry{.path = pathOf(named),
                    .named = named,
                    .counts = named,
                    .connection = QStringLiteral("orlendra-backup-%1").arg(++opened)};
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), entry.connection);
        db.setDatabaseName(entry.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            const auto value = [&query](const QString &statement) {
                return query.exec(statement) && query.next() ? query.value(0) : QVariant();
            };
            if (query.exec(QStringLiteral("SELECT id, finished FROM test ORDER BY id DESC "
                                          "LIMIT 1")) &&
                query.next()) {
                entry.latestId = query.value(0).toLongLong();
                entry.latestFinished = query.value(1);
            }
            const QVariant count = value(QStringLiteral("SELECT count(*) FROM test"));
            const int version = value(QStringLiteral("PRAGMA user_version")).toInt();
            if (wanted &&
                value(QStringLiteral("PRAGMA application_id")).toInt() == wanted->applicationId &&
                version <= wanted->version &&
                value(QStringLiteral("PRAGMA quick_check")).toString() == QLatin1String("ok") &&
                count.isValid() &&
                (version < wanted->version || schemaOf(entry.connection).contains(wanted->schema)))
                entry.tests = count.toLongLong();
        }
        all.append(entry);
    }
    // A history only grows between two copies, unless it was emptied or another put in its place:
    // a copy that holds another's latest test, and tests after it, was taken after it.
    const auto continues = [](const Entry &later, const Entry &earlier) {
        if (earlier.latestId == 0 || later.latestId <= earlier.latestId)
            return false;
        QSqlQuery query(QSqlDatabase::database(later.connection, false));
        query.prepare(QStringLiteral("SELECT finished FROM test WHERE id = ?"));
        query.addBindValue(earlier.latestId);
        return query.exec() && query.next() && query.value(0) == earlier.latestFinished;
    };
    // Newest by name first; each swap brings a copy with later tests forward, so this ends.
    for (bool moved = true; moved;) {
        moved = false;
        for (qsizetype i = 1; i < all.size(); ++i) {
            if (continues(all[i], all[i - 1])) {
                all.swapItemsAt(i, i - 1);
                moved = true;
            }
        }
    }
    countInOrder(all);
    for (const Entry &entry : std::as_const(all))
        QSqlDatabase::database(entry.connection, false).close();
    for (const Entry &entry : std::as_const(all))
        QSqlDatabase::removeDatabase(entry.connection);
    return all;
}

std::optional<HistoryBackups::Backup> HistoryBackups::newestGood(const Wanted &wanted) const
{
    for (const Entry &entry : entries(&wanted)) {
        if (entry.tests)
            return Backup{entry.path, entry.named, *entry.tests};
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
