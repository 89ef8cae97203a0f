#include "historysync.h"

#include "historyrecorder.h"
#include "historysql.h"
#include "platform/filesaving.h"
#include "quiz/quizscoring.h"
#include "scheduletables.h"
#include "testwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Kept beside the history's own tables, and made only once a folder is picked: a history that
// never syncs looks as it always did, to this version and to earlier ones.
const QStringList tables{
    // Every test's record id: made here when it is first written out, or the one it came with.
    QStringLiteral("CREATE TABLE IF NOT EXISTS sync_test(uid TEXT PRIMARY KEY, "
                   "test INTEGER NOT NULL UNIQUE, written INTEGER NOT NULL) WITHOUT ROWID"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS sync_test_unwritten ON sync_test(written) "
                   "WHERE written = 0"),
    QStringLiteral("CREATE TABLE IF NOT EXISTS sync_forget(uid TEXT PRIMARY KEY, "
                   "before INTEGER NOT NULL, written INTEGER NOT NULL) WITHOUT ROWID"),
    // How far each journal has been read, so that a look with nothing new reads nothing.
    QStringLiteral("CREATE TABLE IF NOT EXISTS sync_file(name TEXT PRIMARY KEY, "
                   "length INTEGER NOT NULL, stamp INTEGER NOT NULL, fingerprint BLOB, "
                   "latest INTEGER NOT NULL, read INTEGER NOT NULL) WITHOUT ROWID"),
};

// Tests recorded since the last look get their record ids; ids only grow, so those are the
// ones above every test that has one.
const QString assignIds =
    QStringLiteral("INSERT INTO sync_test SELECT lower(hex(randomblob(16))), id, 0 FROM test "
                   "WHERE id > (SELECT coalesce(max(test), 0) FROM sync_test)");

// A journal or a sync tool's conflict copy of one: Syncthing keeps the ending
// ("name.sync-conflict-20240101-120000-ABCDEFG.journal"), Nextcloud and Dropbox put theirs before
// it ("name (conflicted copy 2024-01-01 120000).journal").
bool journalName(const QString &name)
{
    return name.startsWith(QLatin1String("orlendra-")) && name.endsWith(QLatin1String(".journal"));
}

} // namespace

// The statements every added test runs, prepared once for a whole batch.
struct HistorySync::Inserts {
    explicit Inserts(QSqlDatabase &db)
        : writer(db)
        , mapping(db)
    {
        mapping.prepare(QStringLiteral("INSERT INTO sync_test VALUES(?, ?, 1)"));
    }
    TestWriter writer;
    QSqlQuery mapping;
};

HistorySync::HistorySync(HistoryDatabase &database, HistoryRecorder &recorder)
    : m_database(database)
    , m_recorder(recorder)
{}

QString HistorySync::namePart(const QString &computer)
{
    QString part;
    for (QChar c : computer.left(40))
        part += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QLatin1Char('-');
    return part.isEmpty() ? QStringLiteral("computer") : part;
}

void HistorySync::setFolder(const QString &folder, const QString &computer, const QByteArray &id)
{
    const QString was = journalPath();
    m_folder = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
    m_computer = computer;
    m_id = id;
    // A new name for the same journal: it moves, and the others read it afresh under its name.
    const QString now = journalPath();
    if (!was.isEmpty() && !now.isEmpty() && was != now &&
        QFileInfo(was).absolutePath() == QFileInfo(now).absolutePath())
        QFile::rename(was, now);
    m_told.clear();
}

QString HistorySync::journalPath() const
{
    if (m_folder.isEmpty())
        return {};
    return QDir(m_folder).filePath(QStringLiteral("orlendra-%1-%2.journal")
                                       .arg(namePart(m_computer), QString::fromLatin1(m_id)));
}

bool HistorySync::busy()
{
    return active() && m_database.open() && m_database.checkingPages();
}

bool HistorySync::ready(QSqlDatabase &db)
{
    if (!active() || !m_database.writable())
        return false;
    db = HistorySql::connection(m_database);
    QSqlQuery query(db);
    QSqlError error;
    for (const QString &statement : tables) {
        if (!HistorySql::run(query, statement, error))
            return false;
    }
    if (std::exchange(m_filesOf, m_database.connectionName()) != m_database.connectionName()) {
        m_files.clear();
        m_phrases.clear();
        m_bodies.clear();
        query.exec(QStringLiteral("SELECT name, length, stamp, fingerprint, latest, read "
                                  "FROM sync_file"));
        while (query.next())
            m_files.insert(query.value(0).toString(),
                           {query.value(1).toLongLong(), query.value(2).toLongLong(),
                            query.value(3).toByteArray(), query.value(4).toLongLong(),
                            query.value(5).toLongLong()});
        // The empty name marks boxes to be worked out afresh.
        m_stale = m_files.remove(QString()) > 0;
        query.exec(QStringLiteral("SELECT coalesce(max(before), -1) FROM sync_forget"));
        m_forgetBefore = query.next() ? query.value(0).toLongLong() : -1;
    }
    return true;
}

void HistorySync::folderChosen()
{
    QSqlDatabase db;
    if (!ready(db))
        return;
    QSqlQuery query(db);
    // Another folder knows nothing of what went to the last one, nor is anything read there yet.
    query.exec(QStringLiteral("UPDATE sync_test SET written = 0"));
    query.exec(QStringLiteral("UPDATE sync_forget SET written = 0"));
    query.exec(QStringLiteral("DELETE FROM sync_file"));
    m_files.clear();
    catchUp();
}

void HistorySync::tellOnce(const QString &key, const QString &text)
{
    if (!m_told.contains(key)) {
        m_told.insert(key);
        m_database.tell(text);
    }
}

QList<SyncJournal::Record> HistorySync::pending(QSqlDatabase &db)
{
    using SyncJournal::Record;
    QList<Record> records;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT uid, before FROM sync_forget WHERE written = 0"));
    while (query.next()) {
        Record forget;
        forget.kind = Record::Kind::Forget;
        forget.id = query.value(0).toString().toLatin1();
        forget.finishedMs = query.value(1).toLongLong();
        records.append(forget);
    }
    if (!query.exec(QStringLiteral("SELECT 1 FROM sync_test WHERE written = 0 LIMIT 1")) ||
        !query.next())
        return records;
    // The texts are read as they are met: a test or two between looks uses a few dozen.
    QSqlQuery body(db);
    body.prepare(QStringLiteral("SELECT body FROM phrase WHERE id = ?"));
    const auto texts = [this, &body](const QString &json) {
        QStringList list;
        for (const QJsonValue &value : QJsonDocument::fromJson(json.toUtf8()).array()) {
            const qint64 id = value.toInteger();
            auto found = m_bodies.constFind(id);
            if (found == m_bodies.cend()) {
                body.bindValue(0, id);
                found = m_bodies.insert(id, body.exec() && body.next() ? body.value(0).toString()
                                                                       : QString());
            }
            list.append(*found);
        }
        return list;
    };
    query.exec(QStringLiteral(
        "SELECT s.uid, t.id, t.finished, t.level, t.stone_types, t.practice, "
        "coalesce(a.subject, t.subject), a.stone, a.faces, a.options, a.ticked, a.correct, a.score "
        "FROM sync_test s JOIN test t ON t.id = s.test JOIN answer a ON a.test = t.id "
        "WHERE s.written = 0 ORDER BY t.id, a.question"));
    qint64 current = -1;
    while (query.next()) {
        if (query.value(1).toLongLong() != current) {
            current = query.value(1).toLongLong();
            Record &record = records.emplace_back();
            record.id = query.value(0).toString().toLatin1();
            record.finishedMs = query.value(2).toLongLong();
            record.level = static_cast<QuizLevel>(query.value(3).toInt());
            record.stoneTypes = StoneTypes::fromInt(query.value(4).toInt());
            record.kind = query.value(5).toInt() == 1 ? Record::Kind::Round : Record::Kind::Test;
        }
        PracticeAnswer &answer = records.last().answers.emplace_back();
        answer.subject = static_cast<QuizSubject>(query.value(6).toInt());
        answer.question.stone = static_cast<StoneIndex>(query.value(7).toInt());
        for (const QJsonValue &kind : QJsonDocument::fromJson(query.value(8).toByteArray()).array())
            answer.question.meaningKinds.append(static_cast<MeaningKind>(kind.toInt()));
        answer.question.options = texts(query.value(9).toString());
        for (QChar tick : query.value(10).toString())
            answer.question.ticked.append(tick == QLatin1Char('1'));
        answer.question.correctAnswers = texts(query.value(11).toString());
        answer.question.score = static_cast<qint16>(query.value(12).toInt());
    }
    return records;
}

bool HistorySync::catchUp()
{
    QSqlDatabase db;
    if (!ready(db))
        return false;
    QSqlQuery query(db);
    QSqlError error;
    if (!HistorySql::run(query, assignIds, error))
        return false;
    const QList<SyncJournal::Record> records = pending(db);
    if (records.isEmpty())
        return true;
    QByteArray lines;
    for (const SyncJournal::Record &record : records) {
        // A test the history holds damaged stays here; the others never see it.
        if (SyncJournal::possible(record))
            lines += SyncJournal::encode(record);
    }
    // An unmounted folder is not made again: the sync tool would not see what went there.
    QString why;
    const bool gone = !QFileInfo(m_folder).isDir();
    if (gone)
        why = tr("the folder is not there");
    else if (!lines.isEmpty())
        why = SyncJournal::append(journalPath(), lines);
    if (!why.isEmpty()) {
        // A folder that is not there is told of once, whether writing or reading finds it so.
        tellOnce(gone ? QStringLiteral("gone") : QStringLiteral("away"),
                 tr("Your tests cannot be written to the sync folder %1: %2.\n\nThey are kept "
                    "here as always, and go to the folder once it can take them again.")
                     .arg(QDir::toNativeSeparators(m_folder), why));
        return false;
    }
    m_told.remove(QStringLiteral("away"));
    m_told.remove(QStringLiteral("gone"));
    db.transaction();
    QSqlQuery written(db);
    written.prepare(QStringLiteral("UPDATE sync_test SET written = 1 WHERE uid = ?"));
    QSqlQuery forget(db);
    forget.prepare(QStringLiteral("UPDATE sync_forget SET written = 1 WHERE uid = ?"));
    for (const SyncJournal::Record &record : records) {
        QSqlQuery &mark = record.kind == SyncJournal::Record::Kind::Forget ? forget : written;
        mark.bindValue(0, QString::fromLatin1(record.id));
        mark.exec();
    }
    // Should this not last, the records go out again, and the readers know them by their ids.
    db.commit();
    return true;
}

bool HistorySync::merge(qint64 budget, bool *more)
{
    if (more)
        *more = false;
    QSqlDatabase db;
    if (!ready(db))
        return false;
    const QDir folder(m_folder);
    if (!folder.exists()) {
        tellOnce(QStringLiteral("gone"),
                 tr("The sync folder %1 cannot be reached.\n\nYour tests are kept here as "
                    "always, and the folder is read again once it is back.")
                     .arg(QDir::toNativeSeparators(m_folder)));
        return false;
    }
    m_told.remove(QStringLiteral("gone"));
    const QString canonicalFolder = QFileInfo(m_folder).canonicalFilePath();
    const qint64 nowMs = m_clock().toMSecsSinceEpoch();
    bool changed = false;
    for (const QFileInfo &entry : folder.entryInfoList(
             QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString name = entry.fileName();
        // The own journal too: a profile copied to another computer writes under the same name,
        // and a sync tool may put that copy's records in it.
        if (!journalName(name))
            continue;
        const QString shown = QDir::toNativeSeparators(entry.filePath());
        const auto unreadable = [&](const QString &why) {
            tellOnce(name, tr("%1 in the sync folder could not be read: %2.").arg(shown, why));
        };
        if (entry.isSymLink() &&
            QFileInfo(entry.canonicalFilePath()).absolutePath() != canonicalFolder) {
            unreadable(tr("it leads out of the folder"));
            continue;
        }
        if (!entry.isFile()) {
            unreadable(tr("it is not a file"));
            continue;
        }
        FileState state = m_files.value(name);
        const qint64 stamp = entry.lastModified().toMSecsSinceEpoch();
        if (entry.size() == state.length && stamp == state.stamp)
            continue;
        if (budget <= 0) {
            if (more)
                *more = true;
            break;
        }
        QFile file(entry.filePath());
        if (!FileSaving::openForReading(file)) {
            unreadable(file.errorString());
            continue;
        }
        // Read afresh when the file is not the one read before: its records are known by id.
        qint64 from = state.length;
        if (file.size() < from || SyncJournal::fingerprint(file, from) != state.fingerprint)
            from = 0;
        const SyncJournal::Reading reading = SyncJournal::read(file, from, budget);
        budget -= reading.next - from;
        QSqlError error;
        bool added = false;
        if (!db.transaction() || !apply(db, reading.records, added, error)) {
            db.rollback();
            m_recorder.reread();
            m_phrases.clear();
            m_database.tell(tr("What the sync folder holds could not be added to the history "
                               "of your tests: %1.")
                                .arg(error.text()));
            return changed;
        }
        state.length = reading.next;
        state.stamp = reading.atEnd ? stamp : 0;
        state.fingerprint = SyncJournal::fingerprint(file, reading.next);
        state.readMs = nowMs;
        for (const SyncJournal::Record &record : reading.records) {
            if (record.kind != SyncJournal::Record::Kind::Forget)
                state.latestMs = std::max(state.latestMs, record.finishedMs);
        }
        QSqlQuery keep(db);
        keep.prepare(QStringLiteral("INSERT OR REPLACE INTO sync_file VALUES(?, ?, ?, ?, ?, ?)"));
        for (const QVariant &value :
             {QVariant(name), QVariant(state.length), QVariant(state.stamp),
              QVariant(state.fingerprint), QVariant(state.latestMs), QVariant(state.readMs)})
            keep.addBindValue(value);
        if (!keep.exec() || !db.commit()) {
            db.rollback();
            m_recorder.reread();
            m_phrases.clear();
            return changed;
        }
        m_files.insert(name, state);
        changed = changed || added;
        if (!reading.atEnd && more)
            *more = true;
        // A line cut short at two looks in a row is not one being written.
        const bool cut = reading.unfinished && m_cutAt.value(name, -1) == reading.next;
        if (reading.unfinished)
            m_cutAt.insert(name, reading.next);
        if (reading.newer > 0)
            tellOnce(name, tr("%1 in the sync folder holds tests of a newer Orlendra, which this "
                              "one cannot read. Every other test in it has been taken.")
                               .arg(shown));
        else if (reading.damaged > 0 || cut)
            tellOnce(name, tr("%1 in the sync folder is damaged in places. Every test that could "
                              "be read whole has been taken; the rest was passed over.")
                               .arg(shown));
    }
    if (m_stale && !(more && *more)) {
        QSqlError error;
        QSqlQuery query(db);
        if (db.transaction() && rebuild(db, error) &&
            HistorySql::run(query, QStringLiteral("DELETE FROM sync_file WHERE name = ''"),
                            error) &&
            db.commit()) {
            m_stale = false;
            changed = true;
        } else {
            db.rollback();
        }
    }
    if (changed)
        m_recorder.reread();
    return changed;
}

bool HistorySync::apply(QSqlDatabase &db, const QList<SyncJournal::Record> &records, bool &changed,
                        QSqlError &error)
{
    using SyncJournal::Record;
    QSqlQuery query(db);
    if (!HistorySql::run(query, assignIds, error))
        return false;
    if (records.isEmpty())
        return true;
    if (!HistorySql::run(query, QStringLiteral("SELECT coalesce(max(finished), -1) FROM test"),
                         error) ||
        !query.next())
        return false;
    const qint64 latest = query.value(0).toLongLong();
    QSqlQuery known(db);
    known.prepare(QStringLiteral("SELECT 1 FROM sync_test WHERE uid = ? UNION ALL "
                                 "SELECT 1 FROM sync_forget WHERE uid = ?"));
    QList<const Record *> tests;
    qint64 newForget = -1;
    for (const Record &record : records) {
        known.bindValue(0, QString::fromLatin1(record.id));
        known.bindValue(1, QString::fromLatin1(record.id));
        if (!known.exec()) {
            error = known.lastError();
            return false;
        }
        if (known.next())
            continue;
        if (record.kind == Record::Kind::Forget) {
            QSqlQuery add(db);
            add.prepare(QStringLiteral("INSERT INTO sync_forget VALUES(?, ?, 1)"));
            add.addBindValue(QString::fromLatin1(record.id));
            add.addBindValue(record.finishedMs);
            if (!HistorySql::run(add, error))
                return false;
            newForget = std::max(newForget, record.finishedMs);
        } else if (std::none_of(tests.cbegin(), tests.cend(),
                                [&record](const Record *t) { return t->id == record.id; })) {
            tests.append(&record);
        }
    }
    // In the order they were given, so that the boxes move as they did where they were taken.
    std::stable_sort(tests.begin(), tests.end(), [](const Record *a, const Record *b) {
        return a->finishedMs < b->finishedMs;
    });
    const Schedule before = ScheduleTables::read(db, error);
    Schedule after = before;
    QSet<QDate> days;
    bool older = false;
    Inserts inserts(db);
    for (const Record *record : tests) {
        if (record->finishedMs < std::max(m_forgetBefore, newForget))
            continue;
        if (!insertTest(inserts, *record, error))
            return false;
        changed = true;
        older = older || record->finishedMs < latest;
        const QDateTime when = QDateTime::fromMSecsSinceEpoch(record->finishedMs);
        const int needed = QuizScoring::requiredTicks(record->level);
        for (const PracticeAnswer &answer : record->answers)
            after.answer(answer.question.stone, answer.subject,
                         outcomeOf(answer.question.score, needed), when);
        days.insert(learnerDay(when));
    }
    if (newForget > m_forgetBefore) {
        if (!forgetBefore(db, newForget, error))
            return false;
        changed = true;
        older = true;
    }
    // Worked out afresh once the whole look is done, not after each slice of it; marked in the
    // history, so that a run that ends before does it at the next.
    if (older || m_stale) {
        m_stale = true;
        return HistorySql::run(query,
                               QStringLiteral("INSERT OR REPLACE INTO sync_file VALUES('', 0, 0, "
                                              "NULL, 0, 0)"),
                               error);
    }
    return !changed || ScheduleTables::write(db, before, after, days, error);
}

bool HistorySync::insertTest(Inserts &inserts, const SyncJournal::Record &record, QSqlError &error)
{
    const bool practice = record.kind == SyncJournal::Record::Kind::Round;
    const int needed = QuizScoring::requiredTicks(record.level);
    int total = 0;
    for (const PracticeAnswer &answer : record.answers)
        total += answer.question.score;
    const TestWriter::Test test{record.finishedMs,
                                record.subject(),
                                record.level,
                                record.stoneTypes,
                                total,
                                needed * int(record.answers.size()),
                                practice};
    const qint64 id = inserts.writer.addTest(test, error);
    if (id < 0)
        return false;
    QSqlQuery &mapping = inserts.mapping;
    mapping.bindValue(0, QString::fromLatin1(record.id));
    mapping.bindValue(1, id);
    if (!HistorySql::run(mapping, error))
        return false;
    for (qsizetype q = 0; q < record.answers.size(); ++q) {
        const PracticeAnswer &kept = record.answers[q];
        if (!inserts.writer.addAnswer(m_phrases, id, int(q + 1), kept.question, kept.subject, test,
                                      needed, error))
            return false;
    }
    return true;
}

bool HistorySync::forgetBefore(QSqlDatabase &db, qint64 beforeMs, QSqlError &error)
{
    const QString gone = QStringLiteral("(SELECT id FROM test WHERE finished < ?)");
    for (const QString &statement : {QStringLiteral("DELETE FROM answer WHERE test IN ") + gone,
                                     QStringLiteral("DELETE FROM sync_test WHERE test IN ") + gone,
                                     QStringLiteral("DELETE FROM test WHERE finished < ?")}) {
        QSqlQuery query(db);
        query.prepare(statement);
        query.addBindValue(beforeMs);
        if (!HistorySql::run(query, error))
            return false;
    }
    m_forgetBefore = beforeMs;
    return true;
}

bool HistorySync::rebuild(QSqlDatabase &db, QSqlError &error)
{
    QSqlQuery query(db);
    for (const QString &table :
         ScheduleTables::names() + QStringList{QStringLiteral("stone_tally")})
        if (!HistorySql::run(query, QStringLiteral("DELETE FROM %1").arg(table), error))
            return false;
    return HistorySql::run(
               query,
               QStringLiteral(
                   "INSERT INTO stone_tally SELECT a.stone, coalesce(a.subject, t.subject), "
                   "count(*), sum(a.score >= (CASE t.level WHEN 1 THEN 4 ELSE 1 END)), "
                   "max(t.finished) FROM answer a JOIN test t ON t.id = a.test "
                   "GROUP BY a.stone, coalesce(a.subject, t.subject)"),
               error) &&
           ScheduleTables::replay(db, error);
}

bool HistorySync::forgetEverywhere()
{
    QSqlDatabase db;
    if (!ready(db))
        return false;
    const qint64 now = m_clock().toMSecsSinceEpoch();
    QSqlError error;
    QSqlQuery query(db);
    bool done = db.transaction() && HistorySql::run(query, assignIds, error);
    QSqlQuery add(db);
    add.prepare(QStringLiteral("INSERT INTO sync_forget VALUES(lower(hex(randomblob(16))), ?, 0)"));
    add.addBindValue(now);
    done =
        done && HistorySql::run(add, error) && forgetBefore(db, now, error) && rebuild(db, error);
    if (!done || !db.commit()) {
        db.rollback();
        m_database.tell(tr("The history could not be emptied. Every test is still in it; try "
                           "again."));
        return false;
    }
    m_recorder.reread();
    m_phrases.clear();
    catchUp();
    return true;
}

void HistorySync::forgotten()
{
    if (!m_database.open())
        return;
    QSqlDatabase db = HistorySql::connection(m_database);
    // The ids point at tests no more; those recorded next start over at the lowest.
    m_bodies.clear();
    if (db.tables().contains(QStringLiteral("sync_test")))
        QSqlQuery(db).exec(QStringLiteral("DELETE FROM sync_test"));
}

QList<HistorySync::Computer> HistorySync::computers()
{
    QList<Computer> found;
    QSqlDatabase db;
    if (!ready(db))
        return found;
    static const QRegularExpression journal(
        QStringLiteral("^orlendra-(.*)-[0-9a-f]{32}\\.journal$"));
    const QString own = QFileInfo(journalPath()).fileName();
    for (auto file = m_files.cbegin(); file != m_files.cend(); ++file) {
        const QRegularExpressionMatch match = journal.match(file.key());
        if (match.hasMatch() && file.key() != own)
            found.append({match.captured(1), file->latestMs, file->readMs});
    }
    std::sort(found.begin(), found.end(),
              [](const Computer &a, const Computer &b) { return a.name < b.name; });
    return found;
}
