#include "historydatabase.h"

#include "historysql.h"
#include "lookedtables.h"
#include "platform/detail.h"
#include "platform/filesaving.h"
#include "scheduletables.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSet>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <optional>

namespace {

// "Orld": tells the program's history from any other SQLite file.
constexpr int ApplicationId = 0x4F726C64;

// The Leitner boxes; and practice rounds, whose answers each have a subject of their own (none:
// the test's).
QStringList boxesAndRounds()
{
    return QStringList{
               QStringLiteral("ALTER TABLE test ADD COLUMN practice INTEGER NOT NULL DEFAULT 0"),
               QStringLiteral("ALTER TABLE answer ADD COLUMN subject INTEGER")} +
           ScheduleTables::creation();
}

// Step i takes a history of schema version i to version i + 1; a new version adds a step, so a
// history written by any earlier version is brought up to date when it is opened.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps{
        {
            QStringLiteral("CREATE TABLE test(id INTEGER PRIMARY KEY, finished INTEGER NOT NULL, "
                           "subject INTEGER NOT NULL, level INTEGER NOT NULL, "
                           "stone_types INTEGER NOT NULL, score INTEGER NOT NULL, "
                           "most INTEGER NOT NULL)"),
            QStringLiteral("CREATE INDEX test_by_finished ON test(finished)"),
            // Every text a question showed, once: a meanings test shows the same few dozen
            // paragraphs again and again.
            QStringLiteral(
                "CREATE TABLE phrase(id INTEGER PRIMARY KEY, body TEXT NOT NULL UNIQUE)"),
            // faces is a JSON array of meaning kinds, options and correct JSON arrays of phrase
            // ids; ticked holds one '0' or '1' per option.
            QStringLiteral("CREATE TABLE answer(test INTEGER NOT NULL, question INTEGER NOT NULL, "
                           "stone INTEGER NOT NULL, faces TEXT NOT NULL, options TEXT NOT NULL, "
                           "ticked TEXT NOT NULL, correct TEXT NOT NULL, score INTEGER NOT NULL, "
                           "PRIMARY KEY(test, question)) WITHOUT ROWID"),
            // Kept up to date by every record, so that the stones read at once whatever the size of
            // the history.
            QStringLiteral("CREATE TABLE stone_tally(stone INTEGER NOT NULL, "
                           "subject INTEGER NOT NULL, asked INTEGER NOT NULL, "
                           "full INTEGER NOT NULL, last INTEGER NOT NULL, "
                           "PRIMARY KEY(stone, subject)) WITHOUT ROWID"),
        },
        boxesAndRounds(),
        // Where the look for damaged tests ended, so that a start looks only at what changed.
        LookedTables::creation()};
    return steps;
}

// What step i fills, once its statements have run, from what the history already holds.
using Fill = bool (*)(QSqlDatabase &db, QSqlError &error);
Fill fillOf(qsizetype step)
{
    // The boxes begin with every answer recorded before there were boxes.
    static const QList<Fill> fills{nullptr, ScheduleTables::replay};
    return fills.value(step);
}

// What is worked out from the answers, and so can be worked out again: the boxes, and the
// stones' tallies.
QStringList derivedTables()
{
    return ScheduleTables::names() + QStringList{QStringLiteral("stone_tally")} +
           LookedTables::names();
}

// Every table and column of a history brought up to date, as "table.column", read from a history
// made afresh in memory: what the program needs is what its own steps make.
const QSet<QString> &neededSchema()
{
    static const QSet<QString> needed = [] {
        QSet<QString> columns;
        const QString name = QStringLiteral("orlendra-needed-schema");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            if (db.open()) {
                QSqlQuery query(db);
                for (const QStringList &step : migrations()) {
                    for (const QString &statement : step)
                        query.exec(statement);
                }
                columns = HistoryBackups::schemaOf(name);
            }
        }
        QSqlDatabase::removeDatabase(name);
        return columns;
    }();
    return needed;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

HistoryDatabase::HistoryDatabase(const QString &folder)
    : m_folder(folder)
    , m_path(folder.isEmpty() ? QString() : QDir(folder).filePath(fileName))
{}

struct HistoryDatabase::Upgrade {
    std::unique_ptr<QThread> thread;
    // Written by the thread, read once it has finished.
    State state = State::Unusable;
    bool whole = false;
    std::optional<HistoryBackups::Backup> offered;
    QString notice;
};

HistoryDatabase::~HistoryDatabase()
{
    // An upgrade stopped half way is undone by SQLite, but would have to start over next time.
    if (m_upgrade)
        m_upgrade->thread->wait();
    closeFile();
}

void HistoryDatabase::waitForUpgrade()
{
    if (m_upgrade)
        m_upgrade->thread->wait();
}

bool HistoryDatabase::upgrading() const
{
    return m_state == State::Upgrading && !m_upgrade->thread->isFinished();
}

bool HistoryDatabase::whenUpgraded(QObject *context, std::function<void()> then)
{
    if (!upgrading())
        return false;
    QObject::connect(m_upgrade->thread.get(), &QThread::finished, context, std::move(then),
                     Qt::SingleShotConnection);
    return true;
}

void HistoryDatabase::upgradeAside()
{
    m_upgrade = std::make_unique<Upgrade>();
    m_upgrade->thread.reset(
        QThread::create([upgrade = m_upgrade.get(), folder = m_folder, clock = m_clock] {
            HistoryDatabase here(folder);
            here.m_upgradeHere = true;
            here.setClock(clock);
            here.open();
            upgrade->state = here.m_state;
            upgrade->whole = here.m_knownWhole;
            upgrade->offered = here.m_offered;
            upgrade->notice = here.takeNotice();
        }));
    m_state = State::Upgrading;
    m_upgrade->thread->start();
}

void HistoryDatabase::upgraded()
{
    m_upgrade->thread->wait();
    const std::unique_ptr<Upgrade> upgrade = std::move(m_upgrade);
    if (!upgrade->notice.isEmpty())
        tell(upgrade->notice);
    switch (upgrade->state) {
    case State::Open:
        // Opened again as it now stands: read through once, whole.
        m_state = State::Untried;
        m_wholeAfterUpgrade = upgrade->whole;
        break;
    case State::Offering:
        m_offered = upgrade->offered;
        m_state = State::Offering;
        break;
    case State::Busy:
        m_state = State::Busy;
        break;
    default:
        // What went wrong has been told.
        m_state = State::Unusable;
        break;
    }
}

bool HistoryDatabase::open()
{
    if (m_state == State::Upgrading && !upgrading())
        upgraded();
    if (m_state == State::Open && foundDamaged(false))
        damagedAfterOpening();
    if (m_state == State::Busy)
        m_state = State::Untried;
    if (m_state == State::Untried) {
        const bool opened = openFile();
        if (m_state == State::Untried)
            m_state = opened ? State::Open : State::Unusable;
    }
    return m_state == State::Open;
}

bool HistoryDatabase::openFile()
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder)) {
        giveUp(tr("the folder %1 cannot be created").arg(native(m_folder)));
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        giveUp(tr("the SQLite driver of Qt is not installed"));
        return false;
    }
    m_whyReadOnly.clear();
    const bool folderWritable = QFileInfo(m_folder).isWritable();
    // Twice at most: a file moved aside leaves room for a fresh one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Why the file can only be read. Its tests are still shown; only new ones are not kept.
        QString readOnly;
        switch (FileSaving::pathKind(m_path)) {
        case FileSaving::PathKind::Missing:
            if (folderWritable)
                break;
            giveUp(tr("the folder %1 cannot be written").arg(native(m_folder)));
            return false;
        case FileSaving::PathKind::File:
            // SQLite writes its journal beside the file.
            if (!QFileInfo(m_path).isWritable())
                readOnly = tr("%1 cannot be written").arg(native(m_path));
            else if (!folderWritable)
                readOnly = tr("the folder %1 cannot be written").arg(native(m_folder));
            break;
        case FileSaving::PathKind::Folder:
            giveUp(tr("%1 is a folder").arg(native(m_path)));
            return false;
        case FileSaving::PathKind::Device:
        case FileSaving::PathKind::Other:
            giveUp(tr("%1 is not a file").arg(native(m_path)));
            return false;
        }
        // A file closed whole by this program and not touched since is not read through again:
        // on a long history that is the largest cost of a start. Asked before the file is
        // opened, which starts a log beside it.
        m_knownWhole = unchangedSinceClosed() || std::exchange(m_wholeAfterUpgrade, false);
        static std::atomic<int> opened = 0;
        m_connection = QStringLiteral("orlendra-history-%1").arg(++opened);
        QString why;
        QString detail;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            db.setDatabaseName(m_path);
            // Another program may hold the file for a while: the window must not wait on it.
            QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=100");
            if (!readOnly.isEmpty()) {
                // Reading a file in a WAL journal takes an index beside it. Where none can be
                // made, SQLite reads the file only when told that nobody changes it, which is
                // so while nobody may write in its folder, unless a log of changes waits there.
                const bool unchanging =
                    !folderWritable && !QFile::exists(m_path + QStringLiteral("-wal"));
                options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
                db.setDatabaseName(
                    QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) +
                    (unchanging ? QStringLiteral("?immutable=1") : QStringLiteral("?mode=ro")));
            }
            db.setConnectOptions(options);
            m_openedAs = {db.databaseName(), options};
            if (!db.open()) {
                why = tr("%1 cannot be opened").arg(native(m_path));
                detail = db.lastError().text();
            }
        }
        if (!why.isEmpty()) {
            giveUp(why, detail);
            return false;
        }
        const Check found = check(!readOnly.isEmpty(), why, detail);
        if (found != Check::Ours)
            m_knownWhole = false;
        switch (found) {
        case Check::Ours:
            m_whyReadOnly = readOnly;
            if (!readOnly.isEmpty())
                tell(tr("Orlendra cannot keep new tests in the history of your tests in this "
                        "run: %1.\n\nYour tests work as always, and Progress still shows the "
                        "tests recorded before.")
                         .arg(readOnly));
            return true;
        case Check::Foreign:
            moveAside(Check::Foreign);
            break;
        case Check::Damaged:
            moveAside(Check::Damaged);
            // Nothing is written to a new history until the user has had a word on the backup.
            if (m_state == State::Untried)
                m_offered = newestGoodBackup();
            if (m_offered) {
                m_state = State::Offering;
                return false;
            }
            break;
        case Check::Busy:
            closeFile();
            m_state = State::Busy;
            return false;
        case Check::Upgrading:
            closeFile();
            upgradeAside();
            return false;
        case Check::Newer:
            giveUp(tr("%1 was written by a newer Orlendra").arg(native(m_path)));
            return false;
        case Check::Failed:
            giveUp(why.isEmpty() ? readOnly : why, detail);
            return false;
        }
        if (m_state == State::Unusable)
            return false;
    }
    giveUp(tr("%1 cannot be started afresh").arg(native(m_path)));
    return false;
}

HistoryDatabase::Check HistoryDatabase::check(bool readOnly, QString &why, QString &detail)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    const auto number = [&query](const QString &statement) -> std::optional<int> {
        if (!query.exec(statement) || !query.next())
            return std::nullopt;
        return query.value(0).toInt();
    };
    // Why a statement that reads the file failed.
    const auto unread = [&] {
        const int code = HistorySql::code(query.lastError());
        if (code == HistorySql::Corrupt || code == HistorySql::NotADatabase)
            return Check::Damaged;
        if (HistorySql::busy(query.lastError()))
            return Check::Busy;
        why = tr("%1 cannot be read").arg(native(m_path));
        detail = query.lastError().text();
        return Check::Failed;
    };
    // Each waits a moment for a file another program holds: only once in all.
    const std::optional<int> id = number(QStringLiteral("PRAGMA application_id"));
    const std::optional<int> version = id ? number(QStringLiteral("PRAGMA user_version")) : id;
    const std::optional<int> objects =
        version ? number(QStringLiteral("SELECT count(*) FROM sqlite_schema")) : version;
    if (!id || !version || !objects)
        return unread();
    const bool ours = *id == ApplicationId;
    if (!ours && (*id != 0 || *version != 0 || *objects != 0))
        return Check::Foreign;
    if (*version > migrations().size())
        return Check::Newer;
    // A file damaged past its first page opens as if whole; only reading every page tells. A
    // history used as it stands is read through beside the program, and nothing is written to
    // it before that is done; one that can only be read, or is to be brought up to date now, is
    // read through first.
    const bool checkAside = !readOnly && *version == migrations().size();
    // A history with tests in it is read through, copied and brought up to date beside the
    // program; a new one, at once.
    if (!readOnly && !checkAside && *version > 0 && !m_upgradeHere)
        return Check::Upgrading;
    if (!checkAside && !m_knownWhole) {
        if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next())
            return unread();
        if (query.value(0).toString() != QLatin1String("ok"))
            return Check::Damaged;
        m_knownWhole = true;
    }
    // A file that cannot be written is read as it is, or not at all.
    if (readOnly)
        return *version == migrations().size() ? Check::Ours : Check::Failed;
    // Readers never wait for the writer, and a run killed half way leaves no torn test. In a WAL
    // journal, NORMAL keeps every committed test through a crash of the program and the file
    // whole through one of the machine, which may take the last test or two with it; waiting
    // for the disk at every commit would make recording several times slower.
    if (!number(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0 ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))) {
        if (HistorySql::busy(query.lastError()))
            return Check::Busy;
        why = tr("%1 cannot be written").arg(native(m_path));
        detail = query.lastError().text();
        return Check::Failed;
    }
    if (checkAside) {
        if (!m_knownWhole)
            checkPagesAside();
        return Check::Ours;
    }
    // A history with tests in it is copied as it stands before it is changed.
    if (*version > 0)
        backUp(m_clock());
    QSqlError error;
    if (migrate(*version, error))
        return Check::Ours;
    if (HistorySql::busy(error))
        return Check::Busy;
    why = tr("%1 cannot be brought up to date").arg(native(m_path));
    detail = error.text();
    return Check::Failed;
}

bool HistoryDatabase::migrate(int from, QSqlError &error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        error = db.lastError();
        return false;
    }
    QSqlQuery query(db);
    QSqlError ignored;
    bool done = true;
    for (int step = from; done && step < migrations().size(); ++step) {
        for (const QString &statement : migrations()[step])
            done = done && query.exec(statement);
        const Fill fill = fillOf(step);
        done = done && (!fill || fill(db, ignored));
    }
    done = done && query.exec(QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId)) &&
           query.exec(QStringLiteral("PRAGMA user_version = %1").arg(migrations().size()));
    if (done && db.commit())
        return true;
    error = query.lastError().type() != QSqlError::NoError ? query.lastError() : db.lastError();
    db.rollback();
    return false;
}

bool HistoryDatabase::writable()
{
    if (open() && foundDamaged(true))
        damagedAfterOpening();
    return open() && m_whyReadOnly.isEmpty();
}

void HistoryDatabase::checkPagesAside()
{
    m_pageCheck = std::async(std::launch::async, [opened = m_openedAs,
                                                  name = m_connection + QStringLiteral("-pages")] {
        bool damaged = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(opened.first);
            db.setConnectOptions(opened.second);
            QSqlQuery query(db);
            // A check that cannot run (another program holds the file) finds nothing.
            if (db.open() && query.exec(QStringLiteral("PRAGMA quick_check(1)")) && query.next())
                damaged = query.value(0).toString() != QLatin1String("ok");
            else
                damaged = HistorySql::code(query.lastError()) == HistorySql::Corrupt ||
                          HistorySql::code(query.lastError()) == HistorySql::NotADatabase;
            query = QSqlQuery();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return damaged;
    });
}

bool HistoryDatabase::foundDamaged(bool wait)
{
    if (!m_pageCheck.valid() ||
        (!wait && m_pageCheck.wait_for(std::chrono::seconds(0)) != std::future_status::ready))
        return false;
    // Told once.
    const bool damaged = std::exchange(m_pageCheck, {}).get();
    m_knownWhole = !damaged;
    return damaged;
}

void HistoryDatabase::damagedAfterOpening()
{
    moveAside(Check::Damaged);
    if (m_state == State::Unusable)
        return;
    // As at opening: nothing is written to a new history until the user has had a word on the
    // backup.
    m_offered = newestGoodBackup();
    m_state = m_offered ? State::Offering : State::Untried;
}

void HistoryDatabase::closeFile()
{
    // What the check finds of a file no longer in use matters only to the next opening.
    if (m_pageCheck.valid())
        m_knownWhole = !std::exchange(m_pageCheck, {}).get();
    if (m_connection.isEmpty())
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(std::exchange(m_connection, QString()));
    if (std::exchange(m_knownWhole, false))
        noteClosedWhole();
}

namespace {

// What changes with every write to a file, by any program: its size and times. The time of the
// last change to the file's node cannot be set back by hand, as the time of its last write can.
QByteArray stampOf(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    return QByteArray::number(file.size()) + ' ' +
           QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + ' ' +
           QByteArray::number(file.metadataChangeTime().toMSecsSinceEpoch());
}

} // namespace

QString HistoryDatabase::stampPath() const
{
    return m_path + QStringLiteral("-whole");
}

void HistoryDatabase::noteClosedWhole()
{
    // Only a file whose log was taken in whole when it closed: a log left over (another program
    // has the file open) changes it later. And only one last changed a while ago: the times of a
    // file move in steps of a few milliseconds, so a change right after this note could leave
    // them as they were.
    QFile stamp(stampPath());
    const QFileInfo file(m_path);
    const QByteArray whole = stampOf(m_path);
    if (whole.isEmpty() || QFile::exists(m_path + QStringLiteral("-wal")) ||
        std::max(file.lastModified(), file.metadataChangeTime())
                .msecsTo(QDateTime::currentDateTimeUtc()) < 1000 ||
        !stamp.open(QIODevice::WriteOnly | QIODevice::Truncate) || stamp.write(whole) < 0)
        QFile::remove(stampPath());
}

bool HistoryDatabase::unchangedSinceClosed() const
{
    QFile stamp(stampPath());
    const QByteArray whole = stamp.open(QIODevice::ReadOnly) ? stamp.read(100) : QByteArray();
    return !whole.isEmpty() && whole == stampOf(m_path) &&
           !QFile::exists(m_path + QStringLiteral("-wal"));
}

QString HistoryDatabase::asidePath() const
{
    const QString aside =
        QStringLiteral("%1.damaged-%2")
            .arg(m_path,
                 QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    // Never over one kept aside before within the same second.
    QString free = aside;
    for (int more = 2; QFileInfo::exists(free); ++more)
        free = QStringLiteral("%1-%2").arg(aside).arg(more);
    return free;
}

void HistoryDatabase::moveAside(Check found)
{
    closeFile();
    const bool foreign = found == Check::Foreign;
    const QString aside = asidePath();
    if (!QFile::rename(m_path, aside)) {
        giveUp((foreign ? tr("%1 is not a history of Orlendra's and cannot be moved aside")
                        : tr("%1 is damaged and cannot be moved aside"))
                   .arg(native(m_path)));
        return;
    }
    // A log or an index of the old file must not be taken for one of the new.
    QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    tell((foreign ? tr("The history of your tests, %1, is not a history of Orlendra's. It has "
                       "been moved aside as %2, and a new history begins.")
                  : tr("The history of your tests, %1, is damaged. It has been moved aside as %2, "
                       "and a new history begins."))
             .arg(native(m_path), native(aside)));
}

void HistoryDatabase::giveUp(const QString &why, const QString &detail)
{
    closeFile();
    if (m_state == State::Unusable)
        return;
    m_state = State::Unusable;
    tell(withDetail(tr("Orlendra cannot keep a history of your tests in this run: "
                       "%1.\n\nYour tests work as always; they are just not recorded.")
                        .arg(why),
                    detail));
}

void HistoryDatabase::tell(const QString &text)
{
    m_notice = m_notice.isEmpty() ? text : m_notice + QStringLiteral("\n\n") + text;
}

void HistoryDatabase::declineBackup()
{
    if (m_state != State::Offering)
        return;
    m_offered.reset();
    m_state = State::Untried;
}

std::optional<HistoryBackups::Backup> HistoryDatabase::newestGoodBackup() const
{
    return HistoryBackups(m_path).newestGood(
        {ApplicationId, int(migrations().size()), neededSchema()});
}

bool HistoryDatabase::restore(const HistoryBackups::Backup &backup)
{
    // A backup written by an earlier version is brought up to date at once: the user waits for
    // the restore anyway, and is told how it went.
    m_upgradeHere = true;
    const auto atOnce = qScopeGuard([this] { m_upgradeHere = false; });
    closeFile();
    m_offered.reset();
    m_state = State::Untried;
    QFile from(backup.path);
    // Written beside the history and put in its place whole, or not at all.
    QSaveFile to(m_path);
    QString why;
    if (!FileSaving::openForReading(from)) {
        why = from.errorString();
    } else if (!to.open(QIODevice::WriteOnly)) {
        why = to.errorString();
    } else {
        while (why.isEmpty() && !from.atEnd()) {
            const QByteArray part = from.read(1 << 20);
            if (part.isEmpty() || to.write(part) != part.size())
                why = part.isEmpty() ? from.errorString() : to.errorString();
        }
    }
    const QString aside = asidePath();
    const bool keptAside = why.isEmpty() && QFile::exists(m_path);
    if (keptAside && !QFile::rename(m_path, aside))
        why = tr("the history in its place cannot be moved aside");
    if (why.isEmpty()) {
        // The old file's log goes with it, before the new file comes: a log is read into
        // whichever file bears its name.
        const QString wal = m_path + QStringLiteral("-wal");
        if (QFile::exists(wal) &&
            !(keptAside && QFile::rename(wal, aside + QStringLiteral("-wal"))))
            QFile::remove(wal);
        QFile::remove(m_path + QStringLiteral("-shm"));
        if (!to.commit()) {
            why = to.errorString();
            if (keptAside)
                QFile::rename(aside, m_path);
        }
    }
    if (!why.isEmpty()) {
        to.cancelWriting();
        tell(tr("The backup %1 could not be restored: %2.")
                 .arg(QDir::toNativeSeparators(backup.path), why));
        open();
        return false;
    }
    if (keptAside)
        tell(tr("The history as it was has been kept as %1.").arg(QDir::toNativeSeparators(aside)));
    return open();
}

void HistoryDatabase::backUpIfDue()
{
    const QDateTime now = m_clock();
    if (m_state == State::Open && HistoryBackups(m_path).dueOn(now))
        backUp(now);
}

void HistoryDatabase::backUp(const QDateTime &now)
{
    const QString why = HistoryBackups(m_path).take(m_connection, now);
    // Told once a run: the tests are still kept, only their copy is missing.
    if (!why.isEmpty() && !std::exchange(m_backupTroubleTold, true))
        tell(tr("The history of your tests could not be backed up: %1.").arg(why));
}

QString HistoryDatabase::openReader()
{
    if (!open())
        return {};
    static int opened = 0;
    const QString name = QStringLiteral("orlendra-history-reader-%1").arg(++opened);
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_openedAs.first);
        db.setConnectOptions(m_openedAs.second);
        done = db.open();
    }
    if (done)
        return name;
    QSqlDatabase::removeDatabase(name);
    return {};
}

void HistoryDatabase::closeReader(const QString &connection)
{
    if (connection.isEmpty())
        return;
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
}

QStringList HistoryDatabase::missingSchema()
{
    if (!open())
        return {};
    const QSet<QString> found = HistoryBackups::schemaOf(m_connection);
    QSet<QString> tablesFound;
    for (const QString &column : found)
        tablesFound.insert(column.section(QLatin1Char('.'), 0, 0));
    QStringList missing;
    for (const QString &column : neededSchema()) {
        const QString table = column.section(QLatin1Char('.'), 0, 0);
        // A table gone is one problem, not one for each of its columns.
        const QString lacking = tablesFound.contains(table) ? column : table;
        if (!found.contains(column) && !missing.contains(lacking))
            missing.append(lacking);
    }
    missing.sort();
    return missing;
}

bool HistoryDatabase::rebuildable(int problems)
{
    const QStringList missing = missingSchema();
    return !missing.isEmpty() && missing.size() == problems &&
           std::all_of(missing.cbegin(), missing.cend(), [](const QString &m) {
               return derivedTables().contains(m.section(QLatin1Char('.'), 0, 0));
           });
}

bool HistoryDatabase::rebuild()
{
    const QString notRepaired = tr("The history could not be repaired. Every test is still in it.");
    if (!writable()) {
        tell(withDetail(notRepaired, m_whyReadOnly));
        return false;
    }
    // The tallies are created with the first tables, the boxes by a step of their own.
    QStringList creation = ScheduleTables::creation();
    for (const QString &statement : migrations().constFirst()) {
        if (statement.startsWith(QLatin1String("CREATE TABLE stone_tally(")))
            creation.append(statement);
    }
    // The look's own tables start empty, so the next look reads every test; their triggers on the
    // tests may have outlived them.
    for (QString statement : LookedTables::creation())
        creation.append(statement.replace(QLatin1String("CREATE TRIGGER "),
                                          QLatin1String("CREATE TRIGGER IF NOT EXISTS ")));
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(db);
        bool done = db.transaction();
        for (const QString &table : derivedTables())
            done = done && query.exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(table));
        for (const QString &statement : std::as_const(creation))
            done = done && query.exec(statement);
        done = done &&
               query.exec(QStringLiteral(
                   "INSERT INTO stone_tally SELECT a.stone, coalesce(a.subject, t.subject), "
                   "count(*), sum(a.score >= (CASE t.level WHEN 1 THEN 4 ELSE 1 END)), "
                   "max(t.finished) FROM answer a JOIN test t ON t.id = a.test "
                   "GROUP BY a.stone, coalesce(a.subject, t.subject)")) &&
               ScheduleTables::replay(db, error);
        if (!done || !db.commit()) {
            if (error.type() == QSqlError::NoError)
                error = query.lastError().type() != QSqlError::NoError ? query.lastError()
                                                                       : db.lastError();
            db.rollback();
        }
    }
    if (error.type() != QSqlError::NoError) {
        tell(withDetail(notRepaired, error.text()));
        return false;
    }
    // Opened afresh, so that nothing read from the file before is taken for what it holds now.
    closeFile();
    m_state = State::Untried;
    return open();
}

std::optional<int> HistoryDatabase::problems()
{
    if (!open())
        return std::nullopt;
    const auto missing = int(missingSchema().size());
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        const int code = HistorySql::code(query.lastError());
        return code == HistorySql::Corrupt || code == HistorySql::NotADatabase
                   ? std::optional<int>(1)
                   : std::nullopt;
    }
    int found = missing;
    while (query.next())
        found += query.value(0).toString() == QLatin1String("ok") ? 0 : 1;
    return found;
}
