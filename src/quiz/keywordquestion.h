#pragma once

#include "platform/random.h"
#include "quizrecords.h"

// A keywords question about one stone. Beginner: one of the stone's four keywords among five
// options; Advanced: all four among eight. Keyword texts repeat between stones, so a wrong option
// is chosen by its text: it is none of the stone's own four keywords (ticking one of those would
// be right and still score nothing) and shows in no other box of the question.
Question buildKeywordQuestion(const RuneCatalogue &catalogue, StoneIndex stone, qint16 level,
                              RandomEngine &engine);
