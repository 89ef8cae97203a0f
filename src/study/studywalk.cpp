#include "studywalk.h"

QList<StoneIndex> studyOrderFor(const std::array<bool, 3> &aettir)
{
    QList<StoneIndex> order;
    for (int stone = 0; stone < StoneCount; ++stone) {
        if (aettir[aettOf(stone)])
            order.append(static_cast<StoneIndex>(stone));
    }
    return order;
}

WalkStep stepNext(StudyWalk &walk)
{
    // Without a walk (the stored choices were refused at start) there is nothing to move through.
    if (walk.isEmpty())
        return {};
    const auto last = static_cast<qint16>(walk.studyOrder.size() - 1);
    if (walk.studyPosition < last) {
        ++walk.studyPosition;
        return {.showStone = true, .backEnabled = true, .nextEnabled = true};
    }
    walk.studyPosition = last;
    WalkStep step;
    step.offerTest = true;
    step.nextEnabled = false;
    return step;
}

WalkStep stepBack(StudyWalk &walk)
{
    if (walk.isEmpty())
        return {};
    if (walk.studyPosition > 0) {
        --walk.studyPosition;
        return {.showStone = true, .backEnabled = true, .nextEnabled = true};
    }
    walk.studyPosition = 0;
    WalkStep step;
    step.backEnabled = false;
    return step;
}
