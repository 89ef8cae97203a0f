#pragma once

#include "catalogue/runecatalogue.h"

#include <QList>

#include <array>
#include <optional>

// The stones the Memorize section walks through and where the user stands. It outlives the study
// window: a reloaded window rebuilds it.
struct StudyWalk {
    QList<StoneIndex> studyOrder;
    qint16 studyPosition = 0;

    bool isEmpty() const { return studyOrder.isEmpty(); }
    StoneIndex currentStone() const { return studyOrder.value(studyPosition, 0); }
};

// The stones of the ticked aettir, in futhark order.
QList<StoneIndex> studyOrderFor(const std::array<bool, 3> &aettir);

// What one press of "Next >>" or "<< Back" asks of the section. An unset button state means the
// button keeps the state it has.
struct WalkStep {
    bool showStone = false;
    bool offerTest = false;
    std::optional<bool> backEnabled;
    std::optional<bool> nextEnabled;
};

WalkStep stepNext(StudyWalk &walk);
WalkStep stepBack(StudyWalk &walk);
