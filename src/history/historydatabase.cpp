#include "historydatabase.h"

#include "historysql.h"
#include "platform/detail.h"
#include "platform/filesaving.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <optional>

namespace {

// "Orld": tells the program's history from any other SQLite file.
constexpr int ApplicationId = 0x4F726C64;

// Step i takes a history of schema version i to version i + 1; a new version adds a step, so a
// history written by any earlier version is brought up to date when it is opened.
const QList<QStringList> &migrations()
{
    static const QList<QStringList> steps{{
        QStringLiteral("CREATE TABLE test(id INTEGER PRIMARY KEY, finished INTEGER NOT NULL, "
                       "subject INTEGER NOT NULL, level INTEGER NOT NULL, "
                       "stone_types INTEGER NOT NULL, score INTEGER NOT NULL, "
                       "most INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX test_by_finished ON test(finished)"),
        // Every text a question showed, once: a meanings test shows the same few dozen
        // paragraphs again and again.
        QStringLiteral("CREATE TABLE phrase(id INTEGER PRIMARY KEY, body TEXT NOT NULL UNIQUE)"),
        // faces is a JSON array of meaning kinds, options and correct JSON arrays of phrase ids;
        // ticked holds one '0' or '1' per option.
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
    }};
    return steps;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryDatabase", text);
}

} // namespace

HistoryDatabase::HistoryDatabase(const QString &folder)
    : m_folder(folder)
    , m_path(folder.isEmpty() ? QString() : QDir(folder).filePath(fileName))
{}

HistoryDatabase::~HistoryDatabase()
{
    closeFile();
}

bool HistoryDatabase::open()
{
    if (m_state == State::Untried)
        m_state = openFile() ? State::Open : State::Unusable;
    return m_state == State::Open;
}

bool HistoryDatabase::openFile()
{
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder)) {
        giveUp(QStringLiteral("the folder %1 cannot be created").arg(native(m_folder)));
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        giveUp(QStringLiteral("the SQLite driver of Qt is not installed"));
        return false;
    }
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
            giveUp(QStringLiteral("%1 is a folder").arg(native(m_path)));
            return false;
        case FileSaving::PathKind::Device:
        case FileSaving::PathKind::Other:
            giveUp(QStringLiteral("%1 is not a file").arg(native(m_path)));
            return false;
        }
        static int opened = 0;
        m_connection = QStringLiteral("orlendra-history-%1").arg(++opened);
        QString why;
        QString detail;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            db.setDatabaseName(m_path);
            if (!readOnly.isEmpty()) {
                // Reading a file in a WAL journal takes an index beside it. Where none can be
                // made, SQLite reads the file only when told that nobody changes it, which is
                // so while nobody may write in its folder, unless a log of changes waits there.
                const bool unchanging =
                    !folderWritable && !QFile::exists(m_path + QStringLiteral("-wal"));
                db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
                db.setDatabaseName(
                    QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded) +
                    (unchanging ? QStringLiteral("?immutable=1") : QStringLiteral("?mode=ro")));
            }
            if (!db.open()) {
                why = tr("%1 cannot be opened").arg(native(m_path));
                detail = db.lastError().text();
            }
        }
        if (!why.isEmpty()) {
            giveUp(why, detail);
            return false;
        }
        switch (check(!readOnly.isEmpty(), why, detail)) {
        case Check::Ours:
            m_whyReadOnly = readOnly;
            if (!readOnly.isEmpty())
                tell(tr("Orlendra cannot keep new tests in the history of your tests in this "
                        "run: %1.\n\nYour tests work as always, and Progress still shows the "
                        "tests recorded before.")
                         .arg(readOnly));
            return true;
        case Check::Foreign:
            moveAside(QStringLiteral("is not a history of Orlendra's"));
            break;
        case Check::Damaged:
            moveAside(QStringLiteral("is damaged"));
            break;
        case Check::Newer:
            giveUp(QStringLiteral("%1 was written by a newer Orlendra").arg(native(m_path)));
            return false;
        case Check::Failed:
            giveUp(why.isEmpty() ? readOnly : why, detail);
            return false;
        }
        if (m_state == State::Unusable)
            return false;
    }
    giveUp(QStringLiteral("%1 cannot be started afresh").arg(native(m_path)));
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
    const std::optional<int> id = number(QStringLiteral("PRAGMA application_id"));
    const std::optional<int> version = number(QStringLiteral("PRAGMA user_version"));
    const std::optional<int> objects = number(QStringLiteral("SELECT count(*) FROM sqlite_schema"));
    if (!id || !version || !objects) {
        const int code = HistorySql::code(query.lastError());
        if (code == HistorySql::Corrupt || code == HistorySql::NotADatabase)
            return Check::Damaged;
        why = tr("%1 cannot be read").arg(native(m_path));
        detail = query.lastError().text();
        return Check::Failed;
    }
    const bool ours = *id == ApplicationId;
    if (!ours && (*id != 0 || *version != 0 || *objects != 0))
        return Check::Foreign;
    if (*version > migrations().size())
        return Check::Newer;
    // A file damaged past its first page opens as if whole; only reading every page tells.
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")) || !query.next()) {
        const int code = HistorySql::code(query.lastError());
        if (code == HistorySql::Corrupt || code == HistorySql::NotADatabase)
            return Check::Damaged;
        why = tr("%1 cannot be read").arg(native(m_path));
        detail = query.lastError().text();
        return Check::Failed;
    }
    if (query.value(0).toString() != QLatin1String("ok"))
        return Check::Damaged;
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
        why = tr("%1 cannot be written").arg(native(m_path));
        detail = query.lastError().text();
        return Check::Failed;
    }
    if (*version == migrations().size())
        return Check::Ours;
    if (migrate(*version, detail))
        return Check::Ours;
    why = tr("%1 cannot be brought up to date").arg(native(m_path));
    return Check::Failed;
}

bool HistoryDatabase::migrate(int from, QString &detail)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        detail = db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    bool done = true;
    for (int step = from; done && step < migrations().size(); ++step) {
        for (const QString &statement : migrations()[step])
            done = done && query.exec(statement);
    }
    done = done && query.exec(QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId)) &&
           query.exec(QStringLiteral("PRAGMA user_version = %1").arg(migrations().size()));
    if (done && db.commit())
        return true;
    detail = done ? db.lastError().text() : query.lastError().text();
    db.rollback();
    return false;
}

void HistoryDatabase::closeFile()
{
    if (m_connection.isEmpty())
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(std::exchange(m_connection, QString()));
}

void HistoryDatabase::moveAside(const QString &reason)
{
    closeFile();
    const QString aside =
        QStringLiteral("%1.damaged-%2")
            .arg(m_path,
                 QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    if (!QFile::rename(m_path, aside)) {
        giveUp(QStringLiteral("%1 %2 and cannot be moved aside").arg(native(m_path), reason));
        return;
    }
    // A log or an index of the old file must not be taken for one of the new.
    QFile::rename(m_path + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(m_path + QStringLiteral("-shm"));
    tell(QStringLiteral("The history of your tests, %1, %2. It has been moved aside as %3, and a "
                        "new history begins.")
             .arg(native(m_path), reason, native(aside)));
}

void HistoryDatabase::giveUp(const QString &why, const QString &detail)
{
    closeFile();
    if (m_state == State::Unusable)
        return;
    m_state = State::Unusable;
    tell(withDetail(QStringLiteral("Orlendra cannot keep a history of your tests in this run: "
                                   "%1.\n\nYour tests work as always; they are just not recorded.")
                        .arg(why),
                    detail));
}

void HistoryDatabase::tell(const QString &text)
{
    m_notice = m_notice.isEmpty() ? text : m_notice + QStringLiteral("\n\n") + text;
}
