#include "historyrecords.h"

double StoneTally::share() const
{
    return asked() ? double(keywordsFull + meaningsFull) / asked() : -1.0;
}

namespace HistoryRules {

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
