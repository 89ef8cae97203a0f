#include "historydatabase.h"

#include "historysql.h"
#include "platform/filesaving.h"
#include "scheduletables.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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
        boxesAndRounds()};
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

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
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
    // Twice at most: a file moved aside leaves room for a fresh one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (FileSaving::pathKind(m_path)) {
        case FileSaving::PathKind::Missing:
            break;
        case FileSaving::PathKind::File:
            if (QFileInfo(m_path).isWritable())
                break;
            giveUp(QStringLiteral("%1 cannot be written").arg(native(m_path)));
            return false;
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
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
            db.setDatabaseName(m_path);
            if (!db.open())
                why = db.lastError().text();
        }
        if (!why.isEmpty()) {
            giveUp(why);
            return false;
        }
        switch (check(why)) {
        case Check::Ours:
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
            giveUp(why);
            return false;
        }
        if (m_state == State::Unusable)
            return false;
    }
    giveUp(QStringLiteral("%1 cannot be started afresh").arg(native(m_path)));
    return false;
}

HistoryDatabase::Check HistoryDatabase::check(QString &why)
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
        why = query.lastError().text();
        return Check::Failed;
    }
    const bool ours = *id == ApplicationId;
    if (!ours && (*id != 0 || *version != 0 || *objects != 0))
        return Check::Foreign;
    if (*version > migrations().size())
        return Check::Newer;
    // Readers never wait for the writer, and a run killed half way leaves no torn test. In a WAL
    // journal, NORMAL keeps every committed test through a crash of the program and the file
    // whole through one of the machine, which may take the last test or two with it; waiting
    // for the disk at every commit would make recording several times slower.
    if (!number(QStringLiteral("PRAGMA journal_mode = WAL")) ||
        query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0 ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"))) {
        why = QStringLiteral("%1 cannot be written").arg(native(m_path));
        return Check::Failed;
    }
    if (*version == migrations().size())
        return Check::Ours;
    if (migrate(*version))
        return Check::Ours;
    why = db.lastError().text();
    return Check::Failed;
}

bool HistoryDatabase::migrate(int from)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return false;
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

void HistoryDatabase::giveUp(const QString &why)
{
    closeFile();
    if (m_state == State::Unusable)
        return;
    m_state = State::Unusable;
    tell(QStringLiteral("Orlendra cannot keep a history of your tests in this run: %1.\n\nYour "
                        "tests work as always; they are just not recorded.")
             .arg(why));
}

void HistoryDatabase::tell(const QString &text)
{
    m_notice = m_notice.isEmpty() ? text : m_notice + QStringLiteral("\n\n") + text;
}
