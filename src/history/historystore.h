#pragma once

#include "quiz/quizrecords.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QSqlError;
#include <utility>

// One finished test as the history lists it.
struct PastTest {
    qint64 id = 0;
    qint64 finishedMs = 0; // milliseconds since the epoch, UTC
    QuizSubject subject = QuizSubject::Keywords;
    qint16 level = QuizSetup::Beginner;
    int score = 0;
    int most = 0; // 24 at Beginner, 96 at Advanced
};

// How one stone has fared over all recorded tests.
struct StoneTally {
    StoneIndex stone = 0;
    int keywordsAsked = 0;
    int keywordsFull = 0; // asked and answered in full
    int meaningsAsked = 0;
    int meaningsFull = 0;
    qint64 lastAskedMs = 0; // 0 when never asked

    int asked() const { return keywordsAsked + meaningsAsked; }
    // The share of full answers, or -1 for a stone never asked.
    double share() const;
};

// The learner's history: every finished test with every answer, kept in an SQLite file of its
// own. Nothing is opened until the history is first used, so a run that never finishes a test
// never reads it. Whatever goes wrong with the file, the tests go on; what the user should hear
// about it waits in takeNotice().
class HistoryStore
{
public:
    static inline const QString fileName = QStringLiteral("history.sqlite");

    // The history in `folder`, created when first needed.
    explicit HistoryStore(const QString &folder);
    ~HistoryStore();
    Q_DISABLE_COPY_MOVE(HistoryStore)

    QString path() const { return m_path; }
    // The Qt SQL connection, once open; empty before. For tools and tests that look inside.
    QString connectionName() const { return m_connection; }
    // Opens the file if that has not been tried yet; false when there is no history this run.
    bool open();

    // Records a finished test in one transaction; false when it was not kept.
    bool record(const AnswerSheet &sheet, const QDateTime &finished);
    // Newest first.
    QList<PastTest> pastTests();
    // Every stone, weakest first: those asked by their share of full answers, the lowest first,
    // then those never asked, each group in futhark order.
    QList<StoneTally> stones();
    // The whole test, for its review.
    std::optional<AnswerSheet> sheet(qint64 testId);
    // The CSV text of the whole history: a header and one line per answered question.
    QByteArray csv();
    // Empties the history; false when it could not be emptied.
    bool forget();

    // What the user should hear about the history since the last call, or an empty text. That
    // there is no history this run is told only once.
    QString takeNotice() { return std::exchange(m_notice, QString()); }

private:
    enum class State { Untried, Open, Unusable };
    enum class Check { Ours, Foreign, Newer, Damaged, Failed };

    bool openFile();
    void closeFile();
    Check check(QString &why);
    bool migrate(int from);
    void moveAside(const QString &reason);
    void giveUp(const QString &why);
    void tell(const QString &text);
    // The phrase ids of `texts`, adding those not yet kept; on failure `error` says why.
    QJsonArray phraseIds(const QStringList &texts, QSqlError &error);

    QString m_folder;
    QString m_path;
    QString m_connection;
    State m_state = State::Untried;
    QString m_notice;
    // Every phrase kept so far, read on the first record.
    QHash<QString, qint64> m_phrases;
};

namespace HistoryRules {

// "Keywords Beginner" and so on: the four kinds of test, in the order the chart draws them, as
// the Progress window names them.
QString kindName(QuizSubject subject, qint16 level);
// The subject and the level as the CSV export writes them: the same words whatever language the
// windows speak, so that a spreadsheet or a script reads every export alike.
QString csvSubject(QuizSubject subject);
QString csvLevel(qint16 level);
// The six weakest stones asked at least once, weakest first.
QList<StoneIndex> weakestStones(const QList<StoneTally> &stones, int count = 6);
// One CSV field, quoted when it must be.
QString csvField(const QString &text);

} // namespace HistoryRules
