#include "syncjournal.h"

#include "quiz/quizscoring.h"
#include "testrows.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace {

const QByteArray tag = QByteArrayLiteral("ORJ1 ");
// A catalogue text is a paragraph at most; a record with longer ones was not written by us.
constexpr qsizetype MaxPhrase = 4000;
constexpr qsizetype FingerprintBytes = 64;

QByteArray checksum(const QByteArray &json)
{
    return QCryptographicHash::hash(json, QCryptographicHash::Sha256).toHex().left(32);
}

bool isId(const QByteArray &id)
{
    return id.size() == 32 && std::all_of(id.cbegin(), id.cend(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// A JSON number that is a whole number in [low, high], or nothing.
std::optional<qint64> whole(const QJsonValue &value, qint64 low, qint64 high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= double(low) && number <= double(high)) || number != qint64(number))
        return std::nullopt;
    return qint64(number);
}

// The latest moment a record may hold, far enough for any clock, near enough for any date type.
constexpr qint64 LatestMs = 253402300799000; // 9999-12-31

bool readAnswer(const QJsonValue &value, const QStringList &phrases, PracticeAnswer &answer)
{
    const QJsonArray fields = value.toArray();
    if (fields.size() != 7)
        return false;
    const auto subject = whole(fields[0], 0, 1);
    const auto stone = whole(fields[1], 0, StoneCount - 1);
    const auto score = whole(fields[6], 0, 4);
    const QString ticked = fields[4].toString();
    if (!subject || !stone || !score || !fields[2].isArray() || !fields[3].isArray() ||
        !fields[5].isArray() || ticked.size() > 8)
        return false;
    answer.subject = static_cast<QuizSubject>(*subject);
    AnsweredQuestion &question = answer.question;
    question.stone = static_cast<StoneIndex>(*stone);
    question.score = static_cast<qint16>(*score);
    for (const QJsonValue &kind : fields[2].toArray()) {
        const auto number = whole(kind, 0, 2);
        if (!number || question.meaningKinds.size() >= 4)
            return false;
        question.meaningKinds.append(static_cast<MeaningKind>(*number));
    }
    for (QChar tick : ticked) {
        if (tick != QLatin1Char('0') && tick != QLatin1Char('1'))
            return false;
        question.ticked.append(tick == QLatin1Char('1'));
    }
    const auto texts = [&phrases](const QJsonArray &indices, QStringList &into) {
        for (const QJsonValue &index : indices) {
            const auto number = whole(index, 0, phrases.size() - 1);
            if (!number || into.size() >= 8)
                return false;
            into.append(phrases[*number]);
        }
        return true;
    };
    return texts(fields[3].toArray(), question.options) &&
           texts(fields[5].toArray(), question.correctAnswers);
}

} // namespace

namespace SyncJournal {

bool possible(const Record &record)
{
    if (!isId(record.id) || record.finishedMs < 0 || record.finishedMs > LatestMs)
        return false;
    if (record.kind == Record::Kind::Forget)
        return record.answers.isEmpty();
    const bool practice = record.kind == Record::Kind::Round;
    const int ticks = QuizScoring::requiredTicks(record.level);
    const int options = QuizScoring::optionCount(record.level);
    const auto count = record.answers.size();
    if ((practice ? count < 1 : count != QuestionCount) || count > QuestionCount ||
        record.stoneTypes.toInt() < 0 || record.stoneTypes.toInt() > 7)
        return false;
    for (const PracticeAnswer &answer : record.answers) {
        const AnsweredQuestion &question = answer.question;
        const auto kinds = question.meaningKinds.size();
        const bool kindsFit = answer.subject == QuizSubject::Keywords
                                  ? kinds == 0
                                  : kinds == ticks || (practice && kinds == 0);
        if ((!practice && answer.subject != record.subject()) || question.stone < 0 ||
            question.stone >= StoneCount || question.score < 0 || question.score > ticks ||
            question.correctAnswers.size() != ticks || !kindsFit ||
            question.options.size() != question.ticked.size() ||
            (practice ? question.ticked.isEmpty() || question.ticked.size() > options
                      : question.ticked.size() != options))
            return false;
        for (const QString &text : question.options + question.correctAnswers) {
            if (text.size() > MaxPhrase)
                return false;
        }
    }
    return true;
}

QByteArray encode(const Record &record)
{
    QJsonObject object{{QStringLiteral("id"), QString::fromLatin1(record.id)},
                       {QStringLiteral("at"), double(record.finishedMs)}};
    switch (record.kind) {
    case Record::Kind::Forget:
        object.insert(QStringLiteral("k"), QStringLiteral("forget"));
        break;
    case Record::Kind::Test:
    case Record::Kind::Round: {
        object.insert(QStringLiteral("k"), record.kind == Record::Kind::Test
                                               ? QStringLiteral("test")
                                               : QStringLiteral("round"));
        object.insert(QStringLiteral("level"), int(record.level));
        object.insert(QStringLiteral("types"), record.stoneTypes.toInt());
        // Each text once: a meanings test shows the same paragraphs again and again.
        QStringList phrases;
        QHash<QString, int> indexOf;
        const auto indices = [&](const QStringList &texts) {
            QJsonArray list;
            for (const QString &text : texts) {
                auto found = indexOf.constFind(text);
                if (found == indexOf.cend()) {
                    found = indexOf.insert(text, int(phrases.size()));
                    phrases.append(text);
                }
                list.append(*found);
            }
            return list;
        };
        QJsonArray answers;
        for (const PracticeAnswer &answer : record.answers) {
            const AnsweredQuestion &question = answer.question;
            answers.append(QJsonArray{int(answer.subject), question.stone,
                                      TestRows::meaningKinds(question), indices(question.options),
                                      TestRows::ticks(question), indices(question.correctAnswers),
                                      question.score});
        }
        object.insert(QStringLiteral("phrases"), QJsonArray::fromStringList(phrases));
        object.insert(QStringLiteral("answers"), answers);
        break;
    }
    }
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return tag + checksum(json) + ' ' + json + '\n';
}

LineKind decode(const QByteArray &line, Record &record)
{
    if (!line.startsWith(tag)) {
        // "ORJ" and a later version's number: a record this version cannot read.
        if (line.startsWith("ORJ") && line.size() > 4 && line[3] >= '2' && line[3] <= '9')
            return LineKind::Newer;
        return LineKind::Damaged;
    }
    const qsizetype sumEnd = tag.size() + 32;
    if (line.size() <= sumEnd || line[sumEnd] != ' ')
        return LineKind::Damaged;
    const QByteArray json = line.mid(sumEnd + 1);
    if (line.mid(tag.size(), 32) != checksum(json))
        return LineKind::Damaged;
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    Record read;
    read.id = object.value(QStringLiteral("id")).toString().toLatin1();
    const auto at = whole(object.value(QStringLiteral("at")), 0, LatestMs);
    const QString kind = object.value(QStringLiteral("k")).toString();
    if (!at)
        return LineKind::Damaged;
    read.finishedMs = *at;
    if (kind == QLatin1String("forget")) {
        read.kind = Record::Kind::Forget;
    } else if (kind == QLatin1String("test") || kind == QLatin1String("round")) {
        read.kind = kind == QLatin1String("test") ? Record::Kind::Test : Record::Kind::Round;
        const auto level = whole(object.value(QStringLiteral("level")), 0, 1);
        const auto types = whole(object.value(QStringLiteral("types")), 0, 7);
        const QJsonArray phraseList = object.value(QStringLiteral("phrases")).toArray();
        const QJsonArray answers = object.value(QStringLiteral("answers")).toArray();
        if (!level || !types || answers.size() > QuestionCount ||
            phraseList.size() > QuestionCount * 12)
            return LineKind::Damaged;
        read.level = static_cast<QuizLevel>(*level);
        read.stoneTypes = StoneTypes::fromInt(int(*types));
        QStringList phrases;
        for (const QJsonValue &phrase : phraseList) {
            if (!phrase.isString())
                return LineKind::Damaged;
            phrases.append(phrase.toString());
        }
        for (const QJsonValue &value : answers) {
            PracticeAnswer answer;
            if (!readAnswer(value, phrases, answer))
                return LineKind::Damaged;
            read.answers.append(answer);
        }
    } else {
        return LineKind::Damaged;
    }
    if (!possible(read))
        return LineKind::Damaged;
    record = std::move(read);
    return LineKind::Whole;
}

Reading read(QFile &file, qint64 from, qint64 budget)
{
    Reading reading;
    reading.next = from;
    const qint64 size = file.size();
    if (from >= size || !file.seek(from)) {
        reading.atEnd = true;
        return reading;
    }
    QByteArray pending; // the start of a line not ended yet
    bool skipping = false;
    qint64 position = from;
    constexpr qint64 Chunk = 1 << 22;
    while (position < size && position - from < budget) {
        const QByteArray chunk = file.read(std::min(Chunk, size - position));
        if (chunk.isEmpty())
            break;
        position += chunk.size();
        qsizetype start = 0;
        for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', start)) {
            if (skipping) {
                skipping = false;
            } else {
                const QByteArray line = pending + chunk.sliced(start, end - start);
                Record record;
                switch (line.isEmpty() ? LineKind::Whole : decode(line, record)) {
                case LineKind::Whole:
                    if (!line.isEmpty())
                        reading.records.append(std::move(record));
                    break;
                case LineKind::Damaged:
                    ++reading.damaged;
                    break;
                case LineKind::Newer:
                    ++reading.newer;
                    break;
                }
            }
            pending.clear();
            start = end + 1;
            reading.next = position - chunk.size() + start;
        }
        if (!skipping) {
            pending += chunk.sliced(start);
            // Longer than any record: junk up to the next line's start.
            if (pending.size() > MaxLine) {
                pending.clear();
                skipping = true;
                ++reading.damaged;
            }
        }
        if (skipping)
            reading.next = position;
    }
    reading.atEnd = position >= size;
    reading.unfinished = reading.atEnd && !pending.isEmpty();
    return reading;
}

QByteArray fingerprint(QFile &file, qint64 position)
{
    const qint64 start = std::max<qint64>(0, position - FingerprintBytes);
    if (!file.seek(start))
        return {};
    return file.read(position - start);
}

QString append(const QString &path, const QByteArray &lines)
{
    QFile file(path);
    // Only a file of our own is written to: never through a link, nor into a pipe.
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return QCoreApplication::translate("SyncJournal", "%1 is not a file").arg(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return file.errorString();
    QByteArray out = lines;
    if (file.size() > 0) {
        file.seek(file.size() - 1);
        if (file.read(1) != "\n")
            out.prepend('\n');
    }
    // A half-written line is ended by the next append, and its readers pass over it.
    if (file.write(out) != out.size() || !file.flush())
        return file.errorString();
    return {};
}

} // namespace SyncJournal
