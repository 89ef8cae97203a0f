#include "historyrecords.h"

double StoneTally::share() const
{
    return asked() ? double(keywordsFull + meaningsFull) / asked() : -1.0;
}

namespace HistoryRules {

QString kindName(QuizSubject subject, qint16 level)
{
    return QStringLiteral("%1 %2").arg(
        subject == QuizSubject::Meanings ? QStringLiteral("Meanings") : QStringLiteral("Keywords"),
        level == QuizSetup::Advanced ? QStringLiteral("Advanced") : QStringLiteral("Beginner"));
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

} // namespace HistoryRules
