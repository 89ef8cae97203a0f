#include "historyqueries.h"

#include "historysql.h"
#include "platform/detail.h"
#include "scheduletables.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <limits>

namespace {

// Every test or practice round that holds a value no recording writes: a subject, level or stone
// out of range, a score above what its level allows, a question missing (a round asks from one to
// 24), a count of options, right answers, ticks or meaning kinds other than its level's (a round
// may ask fewer options, as long as each has its tick), a text that is not kept, a moment no day
// can be kept for. A test keeps its subject once; each answer of a round keeps its own. SQLite
// stores any value in any column, so the types are checked too.
const QString damagedCondition = QStringLiteral(R"(
    t.subject NOT IN (0, 1) OR t.level NOT IN (0, 1) OR NOT (%1)
    OR typeof(t.stone_types) != 'integer' OR t.stone_types NOT BETWEEN 0 AND 7
    OR typeof(t.practice) != 'integer' OR t.practice NOT IN (0, 1)
    OR (SELECT count(*) FROM answer a WHERE a.test = t.id)
       NOT BETWEEN (CASE t.practice WHEN 1 THEN 1 ELSE 24 END) AND 24
    OR t.most IS NOT (CASE t.level WHEN 1 THEN 4 ELSE 1 END)
                     * (SELECT count(*) FROM answer a WHERE a.test = t.id)
    OR typeof(t.score) != 'integer' OR t.score NOT BETWEEN 0 AND t.most
    OR EXISTS (SELECT 1 FROM answer a WHERE a.test = t.id AND (
        typeof(a.question) != 'integer' OR a.question NOT BETWEEN 1 AND 24
        OR (CASE t.practice WHEN 1 THEN typeof(a.subject) != 'integer' OR a.subject NOT IN (0, 1)
                            ELSE a.subject IS NOT NULL END)
        OR typeof(a.stone) != 'integer' OR a.stone NOT BETWEEN 0 AND 23
        OR typeof(a.score) != 'integer'
        OR a.score NOT BETWEEN 0 AND (CASE t.level WHEN 1 THEN 4 ELSE 1 END)
        OR typeof(a.ticked) != 'text' OR a.ticked GLOB '*[^01]*'
        OR (t.practice = 0 AND length(a.ticked) != (CASE t.level WHEN 1 THEN 8 ELSE 5 END))
        OR (CASE WHEN json_valid(a.options) AND json_type(a.options) = 'array'
                 THEN json_array_length(a.options) END)
           IS NOT (CASE WHEN t.practice = 1 THEN length(a.ticked)
                        WHEN t.level = 1 THEN 8 ELSE 5 END)
        OR (CASE WHEN json_valid(a.correct) AND json_type(a.correct) = 'array'
                 THEN json_array_length(a.correct) END)
           IS NOT (CASE t.level WHEN 1 THEN 4 ELSE 1 END)
        OR (CASE WHEN json_valid(a.faces) AND json_type(a.faces) = 'array'
                 THEN json_array_length(a.faces) END)
           IS NOT (CASE WHEN coalesce(a.subject, t.subject) = 0 THEN 0
                        WHEN t.practice = 1 AND a.faces = '[]' THEN 0
                        WHEN t.level = 1 THEN 4 ELSE 1 END)
        OR EXISTS (SELECT 1 FROM json_each(CASE WHEN json_valid(a.faces) THEN a.faces END)
                   WHERE type != 'integer' OR value NOT IN (0, 1, 2))
        OR EXISTS (SELECT 1 FROM json_each(CASE WHEN json_valid(a.options) THEN a.options END)
                   WHERE type != 'integer' OR value NOT IN (SELECT id FROM phrase))
        OR EXISTS (SELECT 1 FROM json_each(CASE WHEN json_valid(a.correct) THEN a.correct END)
                   WHERE type != 'integer' OR value NOT IN (SELECT id FROM phrase))))
)")
                                     .arg(ScheduleTables::keptMoment());
// The same, over the tests with ids from just after the first to the second.
const QString damagedAmongQuery =
    QStringLiteral("SELECT t.id FROM test t WHERE t.id > ? AND t.id <= ? AND (%1)")
        .arg(damagedCondition);
// The same, over the tests changed since the last look.
const QString damagedChangedQuery =
    QStringLiteral("SELECT t.id FROM test t WHERE t.id IN (SELECT test FROM relook) AND (%1)")
        .arg(damagedCondition);
// Where a stretch of some thousand tests after the given id ends.
const QString stretchEndQuery =
    QStringLiteral("SELECT id FROM test WHERE id > ? ORDER BY id LIMIT 1 OFFSET 1999");
// Fewer tests than a stretch are looked at in a few milliseconds.
constexpr qint64 ShortLook = 2000;
// Some ten thousand tests, about a second's look.
constexpr int StretchesABatch = 5;

// How one stone fared, worked out from the answers themselves.
const QString talliesQuery =
    QStringLiteral("SELECT a.stone, coalesce(a.subject, t.subject), count(*), "
                   "sum(a.score >= (CASE t.level WHEN 1 THEN 4 ELSE 1 END)), max(t.finished) "
                   "FROM answer a JOIN test t ON t.id = a.test WHERE t.id NOT IN (%1) "
                   "GROUP BY a.stone, coalesce(a.subject, t.subject)");

// The ids for an SQL list: `id NOT IN (...)`.
QString idList(const QSet<qint64> &ids)
{
    QStringList list;
    for (const qint64 id : ids)
        list.append(QString::number(id));
    return list.join(QLatin1Char(','));
}

void tellUnread(HistoryDatabase &database, const QString &error)
{
    database.tell(withDetail(HistoryQueries::tr("The history of your tests could not be read, so "
                                                "Progress shows none of it."),
                             error));
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

} // namespace

// A look for the damaged tests on a thread of its own, a stretch of tests at a time so that it
// stops soon when told to. It reads only the tests after the mark the last look left and those
// changed since, and leaves its own mark for the next.
struct HistoryQueries::Looking {
    QString of; // the connection of the history looked at
    std::atomic<bool> stop = false;
    std::optional<QSet<qint64>> found; // none when the look did not go through
    QString error;                     // why not
    std::unique_ptr<QThread> thread;

    ~Looking()
    {
        stop = true;
        if (thread)
            thread->wait();
    }

    // `pagesDamaged`, when valid, tells whether the check of every page found the file damaged:
    // the mark is written only to a whole file, and only when `keep`.
    void look(const std::pair<QString, QString> &openedAs, std::shared_future<bool> pagesDamaged,
              bool keep)
    {
        const QString name = of + QStringLiteral("-looking");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(openedAs.first);
            db.setConnectOptions(openedAs.second);
            QSqlQuery query(db);
            QSqlQuery stretchEnd(db);
            QSqlQuery among(db);
            bool whole = db.open() && stretchEnd.prepare(stretchEndQuery) &&
                         among.prepare(damagedAmongQuery);
            // A batch of stretches at a time, each in one read with the mark it moves written in
            // the same transaction: a change made meanwhile (a test recorded, a hand edit) makes
            // the write fail rather than go unnoticed, and a run that ends before the look has
            // gone through leaves the next one only the rest. Nothing is written to a damaged
            // file, nor after a write has failed once.
            bool saving = keep;
            bool end = false;
            Mark last;
            QSet<qint64> damaged;
            std::optional<qint64> after; // the last test looked at, none before the first
            for (bool first = true; whole && !stop && !end; first = false) {
                whole = db.transaction();
                if (whole && first) {
                    last = readMark(query);
                    damaged = last.damaged;
                    after = last.upTo;
                }
                if (whole && first && last.upTo) {
                    for (const QVariant &test : last.changed) {
                        if (test.typeId() == QMetaType::LongLong)
                            damaged.remove(test.toLongLong());
                    }
                    whole = query.exec(damagedChangedQuery);
                    while (whole && query.next())
                        damaged.insert(query.value(0).toLongLong());
                }
                const QSet<qint64> before = first ? last.damaged : damaged;
                qint64 from = after.value_or(std::numeric_limits<qint64>::min());
                for (int stretch = 0; whole && !stop && !end && stretch < StretchesABatch;
                     ++stretch) {
                    stretchEnd.addBindValue(from);
                    whole = stretchEnd.exec();
                    end = !stretchEnd.next();
                    const qint64 upTo =
                        end ? std::numeric_limits<qint64>::max() : stretchEnd.value(0).toLongLong();
                    among.addBindValue(from);
                    among.addBindValue(upTo);
                    whole = whole && among.exec();
                    while (whole && among.next())
                        damaged.insert(among.value(0).toLongLong());
                    if (!end)
                        from = upTo;
                }
                if (end) {
                    whole = whole && query.exec(QStringLiteral("SELECT max(id) FROM test")) &&
                            query.next();
                    if (whole && !query.isNull(0))
                        from = query.value(0).toLongLong();
                    else if (whole && !after)
                        from = 0;
                }
                const bool moved = !after || from != *after || (first && !last.changed.isEmpty()) ||
                                   damaged != before;
                if (whole && !stop && saving && moved &&
                    !(pagesDamaged.valid() && pagesDamaged.get()))
                    saving =
                        writeMark(query, from, first, damaged, damaged != before) && db.commit();
                // Whatever was not committed.
                db.rollback();
                after = from;
            }
            if (whole && !stop) {
                found = damaged;
            } else if (!stop) {
                for (const QSqlError &failed :
                     {query.lastError(), stretchEnd.lastError(), among.lastError(), db.lastError()})
                    error = error.isEmpty() ? failed.text() : error;
            }
            query = QSqlQuery();
            stretchEnd = QSqlQuery();
            among = QSqlQuery();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }

    struct Mark {
        std::optional<qint64> upTo; // none: no test was looked at yet
        QSet<qint64> damaged;
        QVariantList changed;
    };

    // A history whose mark cannot be read is looked at whole.
    static Mark readMark(QSqlQuery &query)
    {
        Mark mark;
        if (!query.exec(QStringLiteral("SELECT max(upto) FROM looked")) || !query.next() ||
            query.value(0).typeId() != QMetaType::LongLong)
            return mark;
        const qint64 upTo = query.value(0).toLongLong();
        if (!query.exec(QStringLiteral("SELECT id FROM damaged_test")))
            return mark;
        while (query.next())
            mark.damaged.insert(query.value(0).toLongLong());
        if (!query.exec(QStringLiteral("SELECT test FROM relook")))
            return {};
        while (query.next())
            mark.changed.append(query.value(0));
        mark.upTo = upTo;
        return mark;
    }

    // `changedRead`: the notes of tests changed were read in this transaction, and are done with.
    static bool writeMark(QSqlQuery &query, qint64 upTo, bool changedRead,
                          const QSet<qint64> &damaged, bool damagedMoved)
    {
        if ((changedRead && !query.exec(QStringLiteral("DELETE FROM relook"))) ||
            !query.exec(QStringLiteral("DELETE FROM looked")) ||
            !query.exec(QStringLiteral("INSERT INTO looked VALUES(%1)").arg(upTo)))
            return false;
        if (!damagedMoved)
            return true;
        if (!query.exec(QStringLiteral("DELETE FROM damaged_test")) ||
            !query.prepare(QStringLiteral("INSERT INTO damaged_test VALUES(?)")))
            return false;
        for (const qint64 id : damaged) {
            query.addBindValue(id);
            if (!query.exec())
                return false;
        }
        return true;
    }
};

HistoryQueries::HistoryQueries(HistoryDatabase &database)
    : m_database(database)
{}

HistoryQueries::~HistoryQueries() = default;

void HistoryQueries::lookAhead()
{
    if (m_looking || !m_database.open() ||
        (m_damaged && m_damagedOf == m_database.connectionName()))
        return;
    // What the last look left is looked over when first needed, in a moment: a thread and a
    // connection for it would cost a start more than the look itself.
    QSqlQuery query(HistorySql::connection(m_database));
    if (query.exec(QStringLiteral("SELECT (SELECT count(*) FROM relook) + (SELECT count(*) "
                                  "FROM test WHERE id > upto) FROM (SELECT max(upto) AS upto "
                                  "FROM looked) WHERE upto IS NOT NULL")) &&
        query.next() && !query.isNull(0) && query.value(0).toLongLong() < ShortLook)
        return;
    look();
}

void HistoryQueries::look()
{
    m_looking = std::make_unique<Looking>();
    m_looking->of = m_database.connectionName();
    m_looking->thread.reset(QThread::create(
        [looking = m_looking.get(), openedAs = m_database.openedAs(),
         pages = m_database.pageCheck(),
         keep = m_database.whyReadOnly().isEmpty()] { looking->look(openedAs, pages, keep); }));
    m_looking->thread->start();
}

bool HistoryQueries::whenLooked(QObject *context, std::function<void()> then)
{
    if (!m_looking || m_looking->of != m_database.connectionName())
        return false;
    QThread *thread = m_looking->thread.get();
    // A short history is looked at in a moment: no need to show it in two steps.
    if (thread->wait(QDeadlineTimer(100)))
        return false;
    QObject::connect(thread, &QThread::finished, context, std::move(then),
                     Qt::SingleShotConnection);
    return true;
}

std::optional<QSet<qint64>> HistoryQueries::damagedTests()
{
    // A history found damaged after it was opened is moved aside for another file, whose tests
    // are looked at afresh.
    if (!m_database.open() || (m_damaged && m_damagedOf == m_database.connectionName()))
        return m_damaged;
    // Looked for the same way whether or not the start began it: the mark left by the last
    // look saves reading the tests again.
    if (m_looking && m_looking->of != m_database.connectionName())
        m_looking.reset();
    if (!m_looking)
        look();
    std::optional<QSet<qint64>> found;
    QString error;
    if (m_looking) {
        m_looking->thread->wait();
        found = std::move(m_looking->found);
        error = m_looking->error;
    }
    m_looking.reset();
    if (!found) {
        tellUnread(m_database, error);
        return std::nullopt;
    }
    const QSet<qint64> damaged = *found;
    if (const int n = int(damaged.size()); n == 1)
        m_database.tell(tr("1 test in the history is damaged and not shown."));
    else if (n > 1)
        m_database.tell(tr("%n tests in the history are damaged and not shown.", nullptr, n));
    m_damaged = damaged;
    m_damagedOf = m_database.connectionName();
    return m_damaged;
}

void HistoryQueries::forgotten()
{
    m_looking.reset();
    m_damaged = QSet<qint64>();
    m_damagedOf = m_database.connectionName();
}

void HistoryQueries::reread()
{
    m_looking.reset();
    m_damaged.reset();
}

QList<PastTest> HistoryQueries::pastTests()
{
    PastTestsCursor all;
    return pastTests(all, -1);
}

QList<PastTest> HistoryQueries::scoredTests()
{
    QList<PastTest> tests;
    const std::optional<QSet<qint64>> damaged = damagedTests();
    if (!damaged)
        return tests;
    QSqlQuery query(HistorySql::connection(m_database));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT finished, subject, level, score, most FROM test "
                                   "WHERE practice = 0 AND id NOT IN (%1) "
                                   "ORDER BY finished DESC, id DESC")
                        .arg(idList(*damaged))))
        return tests;
    while (query.next()) {
        tests.append({0, query.value(0).toLongLong(),
                      static_cast<QuizSubject>(query.value(1).toInt()),
                      static_cast<QuizLevel>(query.value(2).toInt()), query.value(3).toInt(),
                      query.value(4).toInt(), false});
    }
    return tests;
}

QList<PastTest> HistoryQueries::pastTests(PastTestsCursor &cursor, int count)
{
    QList<PastTest> tests;
    if (!cursor.more)
        return tests;
    cursor.more = false;
    const std::optional<QSet<qint64>> damaged = damagedTests();
    if (!damaged)
        return tests;
    QSqlQuery query(HistorySql::connection(m_database));
    query.setForwardOnly(true);
    // From where the last page ended rather than by an offset: a page deep in a long history
    // reads as fast as the first. The index on the finishing time holds the id as well.
    query.prepare(QStringLiteral("SELECT id, finished, subject, level, score, most, practice "
                                 "FROM test WHERE (finished, id) < (?, ?) "
                                 "ORDER BY finished DESC, id DESC LIMIT ?"));
    query.addBindValue(cursor.finishedMs);
    query.addBindValue(cursor.id);
    query.addBindValue(count);
    if (!query.exec()) {
        tellUnread(m_database, query.lastError().text());
        return tests;
    }
    int read = 0;
    while (query.next()) {
        ++read;
        const qint64 id = query.value(0).toLongLong();
        cursor.id = id;
        cursor.finishedMs = query.value(1).toLongLong();
        if (damaged->contains(id))
            continue;
        tests.append({id, cursor.finishedMs, static_cast<QuizSubject>(query.value(2).toInt()),
                      static_cast<QuizLevel>(query.value(3).toInt()), query.value(4).toInt(),
                      query.value(5).toInt(), query.value(6).toInt() != 0});
    }
    cursor.more = count > 0 && read == count;
    return tests;
}

QList<QDate> HistoryQueries::answeredDays()
{
    if (!m_database.open())
        return {};
    QSqlDatabase db = HistorySql::connection(m_database);
    QSqlError ignored;
    return ScheduleTables::answeredDays(db, ignored);
}

QList<StoneTally> HistoryQueries::stones()
{
    QList<StoneTally> stones(StoneCount);
    for (int stone = 0; stone < StoneCount; ++stone)
        stones[stone].stone = static_cast<StoneIndex>(stone);
    const auto read = [&stones](QSqlQuery &query) {
        while (query.next()) {
            const QVariant stone = query.value(0);
            const QVariant subject = query.value(1);
            const int asked = query.value(2).toInt();
            const int full = query.value(3).toInt();
            if (stone.typeId() != QMetaType::LongLong || subject.typeId() != QMetaType::LongLong ||
                stone.toInt() < 0 || stone.toInt() >= StoneCount || subject.toInt() < 0 ||
                subject.toInt() > 1 || full < 0 || full > asked)
                return false;
            StoneTally &tally = stones[stone.toInt()];
            const bool keywords = subject.toInt() == int(QuizSubject::Keywords);
            (keywords ? tally.keywordsAsked : tally.meaningsAsked) = asked;
            (keywords ? tally.keywordsFull : tally.meaningsFull) = full;
            tally.lastAskedMs = std::max(tally.lastAskedMs, query.value(4).toLongLong());
        }
        return query.lastError().type() == QSqlError::NoError;
    };
    const auto clear = [&stones] {
        for (StoneTally &tally : stones)
            tally = {tally.stone};
    };
    if (const std::optional<QSet<qint64>> damaged = damagedTests()) {
        QSqlQuery query(HistorySql::connection(m_database));
        query.setForwardOnly(true);
        // The tallies kept at each record are read at once, but only while they hold nothing
        // impossible and no test is left out; otherwise they are worked out from the answers.
        if (!damaged->isEmpty() ||
            !query.exec(QStringLiteral("SELECT stone, subject, asked, full, last "
                                       "FROM stone_tally")) ||
            !read(query)) {
            clear();
            if (!query.exec(talliesQuery.arg(idList(*damaged))) || !read(query))
                clear();
        }
    }
    std::stable_sort(stones.begin(), stones.end(), [](const StoneTally &a, const StoneTally &b) {
        if ((a.asked() == 0) != (b.asked() == 0))
            return b.asked() == 0;
        return a.share() < b.share();
    });
    return stones;
}

std::optional<AnswerSheet> HistoryQueries::sheet(qint64 testId)
{
    QuizSubject subject = QuizSubject::Keywords;
    const std::optional<PracticeRound> kept = asked(testId, subject);
    // A test asks every question once: the damaged are left out before.
    if (!kept || kept->answers.size() != QuestionCount)
        return std::nullopt;
    AnswerSheet sheet;
    sheet.subject = subject;
    sheet.level = kept->level;
    sheet.stoneTypes = kept->stoneTypes;
    for (int q = 0; q < QuestionCount; ++q)
        sheet.answers[q] = kept->answers[q].question;
    return sheet;
}

std::optional<PracticeRound> HistoryQueries::round(qint64 testId)
{
    QuizSubject subject = QuizSubject::Keywords;
    return asked(testId, subject);
}

std::optional<PracticeRound> HistoryQueries::asked(qint64 testId, QuizSubject &subject)
{
    // Only a test whose every value was found possible is read.
    const std::optional<QSet<qint64>> damaged = damagedTests();
    if (!damaged || damaged->contains(testId))
        return std::nullopt;
    QSqlQuery query(HistorySql::connection(m_database));
    query.prepare(QStringLiteral("SELECT subject, level, stone_types FROM test WHERE id = ?"));
    query.addBindValue(testId);
    if (!query.exec() || !query.next())
        return std::nullopt;
    subject = static_cast<QuizSubject>(query.value(0).toInt());
    PracticeRound kept;
    kept.level = static_cast<QuizLevel>(query.value(1).toInt());
    kept.stoneTypes = StoneTypes::fromInt(query.value(2).toInt());
    QHash<qint64, QString> phrases;
    query.exec(QStringLiteral("SELECT id, body FROM phrase"));
    while (query.next())
        phrases.insert(query.value(0).toLongLong(), query.value(1).toString());
    // A round keeps each answer's subject, a test its own.
    query.prepare(QStringLiteral("SELECT coalesce(subject, ?), stone, faces, options, ticked, "
                                 "correct, score FROM answer WHERE test = ? ORDER BY question"));
    query.addBindValue(int(subject));
    query.addBindValue(testId);
    if (!query.exec())
        return std::nullopt;
    while (query.next()) {
        PracticeAnswer &asked = kept.answers.emplace_back();
        asked.subject = static_cast<QuizSubject>(query.value(0).toInt());
        AnsweredQuestion &answer = asked.question;
        answer.stone = static_cast<StoneIndex>(query.value(1).toInt());
        for (const QJsonValue &kind : fromJson(query.value(2).toString()))
            answer.meaningKinds.append(static_cast<MeaningKind>(kind.toInt()));
        answer.options = toStrings(fromJson(query.value(3).toString()), phrases);
        for (QChar tick : query.value(4).toString())
            answer.ticked.append(tick == QLatin1Char('1'));
        answer.correctAnswers = toStrings(fromJson(query.value(5).toString()), phrases);
        answer.score = static_cast<qint16>(query.value(6).toInt());
    }
    return kept;
}
