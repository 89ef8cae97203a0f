#include "historystore.h"

#include "platform/filesaving.h"
#include "quiz/quizrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

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

// SQLite's primary result codes, which the driver reports as the native error code.
enum SqliteCode { Corrupt = 11, Full = 13, NotADatabase = 26 };

int sqliteCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString toJson(const QJsonArray &array)
{
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QJsonArray fromJson(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).array();
}

QStringList toStrings(const QJsonArray &ids, const QHash<qint64, QString> &phrases)
{
    QStringList strings;
    strings.reserve(ids.size());
    for (const QJsonValue &id : ids)
        strings.append(phrases.value(id.toInteger()));
    return strings;
}

// Runs a statement; on failure `error` holds why.
bool run(QSqlQuery &query, QSqlError &error)
{
    if (query.exec())
        return true;
    error = query.lastError();
    return false;
}

} // namespace

double StoneTally::share() const
{
    return asked() ? double(keywordsFull + meaningsFull) / asked() : -1.0;
}

HistoryStore::HistoryStore(const QString &folder)
    : m_folder(folder)
    , m_path(folder.isEmpty() ? QString() : QDir(folder).filePath(fileName))
{}

HistoryStore::~HistoryStore()
{
    closeFile();
}

bool HistoryStore::open()
{
    if (m_state == State::Untried)
        m_state = openFile() ? State::Open : State::Unusable;
    return m_state == State::Open;
}

bool HistoryStore::openFile()
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

HistoryStore::Check HistoryStore::check(QString &why)
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
        const int code = sqliteCode(query.lastError());
        if (code == Corrupt || code == NotADatabase)
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

bool HistoryStore::migrate(int from)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return false;
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
    db.rollback();
    return false;
}

void HistoryStore::closeFile()
{
    if (m_connection.isEmpty())
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(std::exchange(m_connection, QString()));
}

void HistoryStore::moveAside(const QString &reason)
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

void HistoryStore::giveUp(const QString &why)
{
    closeFile();
    if (m_state == State::Unusable)
        return;
    m_state = State::Unusable;
    tell(QStringLiteral("Orlendra cannot keep a history of your tests in this run: %1.\n\nYour "
                        "tests work as always; they are just not recorded.")
             .arg(why));
}

void HistoryStore::tell(const QString &text)
{
    m_notice = m_notice.isEmpty() ? text : m_notice + QStringLiteral("\n\n") + text;
}

bool HistoryStore::record(const AnswerSheet &sheet, const QDateTime &finished)
{
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlError error;
    bool done = db.transaction();
    if (!done)
        error = db.lastError();
    const int perQuestion = QuizRules::requiredTicks(sheet.level);
    const int subject = static_cast<int>(sheet.subject);
    const qint64 when = finished.toMSecsSinceEpoch();
    if (done) {
        QSqlQuery test(db);
        test.prepare(QStringLiteral("INSERT INTO test(finished, subject, level, stone_types, "
                                    "score, most) VALUES(?, ?, ?, ?, ?, ?)"));
        int types = 0;
        for (int kind = 0; kind < 3; ++kind)
            types |= sheet.stoneTypes[kind] ? 1 << kind : 0;
        int score = 0;
        for (const AnsweredQuestion &answer : sheet.answers)
            score += answer.score;
        for (const QVariant &value :
             {QVariant(when), QVariant(subject), QVariant(sheet.level), QVariant(types),
              QVariant(score), QVariant(perQuestion * QuestionCount)})
            test.addBindValue(value);
        done = run(test, error);
        const qint64 id = test.lastInsertId().toLongLong();
        QSqlQuery answer(db);
        answer.prepare(QStringLiteral("INSERT INTO answer VALUES(?, ?, ?, ?, ?, ?, ?, ?)"));
        QSqlQuery tally(db);
        tally.prepare(QStringLiteral(
            "INSERT INTO stone_tally VALUES(?, ?, 1, ?, ?) ON CONFLICT(stone, subject) DO UPDATE "
            "SET asked = asked + 1, full = full + excluded.full, last = max(last, excluded.last)"));
        for (int q = 0; done && q < QuestionCount; ++q) {
            const AnsweredQuestion &asked = sheet.answers[q];
            QJsonArray faces;
            for (int kind : asked.meaningKinds)
                faces.append(kind);
            QString ticked;
            for (bool tick : asked.ticked)
                ticked += QLatin1Char(tick ? '1' : '0');
            answer.bindValue(0, id);
            answer.bindValue(1, q + 1);
            answer.bindValue(2, asked.stone);
            answer.bindValue(3, toJson(faces));
            answer.bindValue(4, toJson(phraseIds(asked.options, error)));
            answer.bindValue(5, ticked);
            answer.bindValue(6, toJson(phraseIds(asked.correctAnswers, error)));
            answer.bindValue(7, asked.score);
            tally.bindValue(0, asked.stone);
            tally.bindValue(1, subject);
            tally.bindValue(2, asked.score >= perQuestion ? 1 : 0);
            tally.bindValue(3, when);
            done = error.type() == QSqlError::NoError && run(answer, error) && run(tally, error);
        }
    }
    if (done && db.commit())
        return true;
    if (error.type() == QSqlError::NoError)
        error = db.lastError();
    db.rollback();
    // Phrases added by the test that was rolled back are gone again.
    m_phrases.clear();
    tell(QStringLiteral("This test could not be recorded in the history of your tests: %1.\n\n"
                        "The history still holds every test recorded before.")
             .arg(sqliteCode(error) == Full ? QStringLiteral("the disk is full") : error.text()));
    return false;
}

QJsonArray HistoryStore::phraseIds(const QStringList &texts, QSqlError &error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (m_phrases.isEmpty()) {
        QSqlQuery known(db);
        known.setForwardOnly(true);
        known.exec(QStringLiteral("SELECT body, id FROM phrase"));
        while (known.next())
            m_phrases.insert(known.value(0).toString(), known.value(1).toLongLong());
    }
    QJsonArray ids;
    for (const QString &text : texts) {
        auto found = m_phrases.constFind(text);
        if (found == m_phrases.cend()) {
            QSqlQuery add(db);
            add.prepare(QStringLiteral("INSERT INTO phrase(body) VALUES(?)"));
            add.addBindValue(text);
            if (!run(add, error))
                return {};
            found = m_phrases.insert(text, add.lastInsertId().toLongLong());
        }
        ids.append(*found);
    }
    return ids;
}

QList<PastTest> HistoryStore::pastTests()
{
    QList<PastTest> tests;
    if (!open())
        return tests;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, finished, subject, level, score, most FROM test "
                                   "ORDER BY finished DESC, id DESC"))) {
        tell(QStringLiteral("The history could not be read: %1.").arg(query.lastError().text()));
        return tests;
    }
    while (query.next()) {
        tests.append({query.value(0).toLongLong(), query.value(1).toLongLong(),
                      static_cast<QuizSubject>(query.value(2).toInt()),
                      static_cast<qint16>(query.value(3).toInt()), query.value(4).toInt(),
                      query.value(5).toInt()});
    }
    return tests;
}

QList<StoneTally> HistoryStore::stones()
{
    QList<StoneTally> stones(StoneCount);
    for (int stone = 0; stone < StoneCount; ++stone)
        stones[stone].stone = static_cast<StoneIndex>(stone);
    if (open()) {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.exec(QStringLiteral("SELECT stone, subject, asked, full, last FROM stone_tally"));
        while (query.next()) {
            const int stone = query.value(0).toInt();
            if (stone < 0 || stone >= StoneCount)
                continue;
            StoneTally &tally = stones[stone];
            const bool keywords = query.value(1).toInt() == int(QuizSubject::Keywords);
            (keywords ? tally.keywordsAsked : tally.meaningsAsked) = query.value(2).toInt();
            (keywords ? tally.keywordsFull : tally.meaningsFull) = query.value(3).toInt();
            tally.lastAskedMs = std::max(tally.lastAskedMs, query.value(4).toLongLong());
        }
    }
    std::stable_sort(stones.begin(), stones.end(), [](const StoneTally &a, const StoneTally &b) {
        if ((a.asked() == 0) != (b.asked() == 0))
            return b.asked() == 0;
        return a.share() < b.share();
    });
    return stones;
}

std::optional<AnswerSheet> HistoryStore::sheet(qint64 testId)
{
    if (!open())
        return std::nullopt;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT subject, level, stone_types FROM test WHERE id = ?"));
    query.addBindValue(testId);
    if (!query.exec() || !query.next())
        return std::nullopt;
    AnswerSheet sheet;
    sheet.subject = static_cast<QuizSubject>(query.value(0).toInt());
    sheet.level = static_cast<qint16>(query.value(1).toInt());
    for (int kind = 0; kind < 3; ++kind)
        sheet.stoneTypes[kind] = query.value(2).toInt() & (1 << kind);
    QHash<qint64, QString> phrases;
    query.exec(QStringLiteral("SELECT id, body FROM phrase"));
    while (query.next())
        phrases.insert(query.value(0).toLongLong(), query.value(1).toString());
    query.prepare(QStringLiteral("SELECT question, stone, faces, options, ticked, correct, score "
                                 "FROM answer WHERE test = ?"));
    query.addBindValue(testId);
    if (!query.exec())
        return std::nullopt;
    while (query.next()) {
        const int q = query.value(0).toInt() - 1;
        if (q < 0 || q >= QuestionCount)
            continue;
        AnsweredQuestion &answer = sheet.answers[q];
        answer.stone = static_cast<StoneIndex>(query.value(1).toInt());
        for (const QJsonValue &kind : fromJson(query.value(2).toString()))
            answer.meaningKinds.append(kind.toInt());
        answer.options = toStrings(fromJson(query.value(3).toString()), phrases);
        for (QChar tick : query.value(4).toString())
            answer.ticked.append(tick == QLatin1Char('1'));
        answer.correctAnswers = toStrings(fromJson(query.value(5).toString()), phrases);
        answer.score = static_cast<qint16>(query.value(6).toInt());
    }
    return sheet;
}

QByteArray HistoryStore::csv()
{
    QString text = QStringLiteral("finished,subject,level,question,stone,score,most\r\n");
    if (!open())
        return text.toUtf8();
    const RuneCatalogue &catalogue = loadRuneCatalogue();
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.exec(QStringLiteral("SELECT t.finished, t.subject, t.level, a.question, a.stone, "
                              "a.score FROM answer a JOIN test t ON t.id = a.test "
                              "ORDER BY t.finished, t.id, a.question"));
    while (query.next()) {
        const qint16 level = static_cast<qint16>(query.value(2).toInt());
        const QStringList fields{
            QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), Qt::UTC)
                .toString(Qt::ISODate),
            HistoryRules::csvSubject(query.value(1).toInt() == int(QuizSubject::Meanings)
                                         ? QuizSubject::Meanings
                                         : QuizSubject::Keywords),
            HistoryRules::csvLevel(level),
            query.value(3).toString(),
            HistoryRules::csvField(
                catalogue.stoneNames.at(std::clamp(query.value(4).toInt(), 0, StoneCount))),
            query.value(5).toString(),
            QString::number(QuizRules::requiredTicks(level))};
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

bool HistoryStore::forget()
{
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    bool done = db.transaction();
    for (const char *table : {"answer", "test", "stone_tally", "phrase"})
        done = done && query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    m_phrases.clear();
    if (done && db.commit())
        return true;
    tell(QStringLiteral("The history could not be emptied: %1.").arg(db.lastError().text()));
    db.rollback();
    return false;
}

namespace HistoryRules {

QString kindName(QuizSubject subject, qint16 level)
{
    return QStringLiteral("%1 %2").arg(
        subject == QuizSubject::Meanings ? QStringLiteral("Meanings") : QStringLiteral("Keywords"),
        level == QuizSetup::Advanced ? QStringLiteral("Advanced") : QStringLiteral("Beginner"));
}

QString csvSubject(QuizSubject subject)
{
    return subject == QuizSubject::Meanings ? QStringLiteral("Meanings")
                                            : QStringLiteral("Keywords");
}

QString csvLevel(qint16 level)
{
    return level == QuizSetup::Advanced ? QStringLiteral("Advanced") : QStringLiteral("Beginner");
}

QList<StoneIndex> weakestStones(const QList<StoneTally> &stones, int count)
{
    QList<StoneIndex> weakest;
    for (const StoneTally &tally : stones) {
        if (tally.asked() > 0 && weakest.size() < count)
            weakest.append(tally.stone);
    }
    return weakest;
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace HistoryRules
