#pragma once

// How a finished test is kept in the history, shared by the recorder and by the sync that takes
// in other computers' tests: both must leave the same rows behind, or the progress window would
// read the two differently.

#include "quiz/quizrecords.h"

#include <QHash>
#include <QJsonArray>

class QSqlDatabase;
class QSqlError;

namespace TestRows {

// The kind of each right answer of a meanings question, as the history and the journal keep it.
QJsonArray meaningKinds(const AnsweredQuestion &question);
// The boxes as they were ticked, "1" for a ticked one and "0" for one left.
QString ticks(const AnsweredQuestion &question);

} // namespace TestRows

// Each text of the answers once, by id: a meanings test shows the same paragraphs again and again.
class PhraseIds
{
public:
    // The ids of `texts`, adding those not yet kept; on failure `error` says why.
    QJsonArray of(QSqlDatabase &db, const QStringList &texts, QSqlError &error);
    // After a rollback or on another connection the ids known may be gone.
    void clear() { m_ids.clear(); }

private:
    // Every phrase kept so far, read on the first use.
    QHash<QString, qint64> m_ids;
};
