#pragma once

#include "platform/random.h"
#include "quizrecords.h"

#include <functional>

// A keywords question about one stone. Beginner: one of the stone's four keywords among five
// options; Advanced: all four among eight. Keyword texts repeat between stones, so a wrong option
// is chosen by its text: it is none of the stone's own four keywords (ticking one of those would
// be right and still score nothing) and shows in no other box of the question.
Question buildKeywordQuestion(const RuneCatalogue &catalogue, StoneIndex stone, QuizLevel level,
                              RandomEngine &engine);

// The make-up of a keywords question: the right answers go to distinct random positions among
// `optionCount` (every set of positions equally likely), and every other position gets a text
// from `drawDistractor` that is none of `excluded` and shows in no other box. The draws must offer
// enough different texts to fill the question.
Question layOutQuestion(const QStringList &correctAnswers, int optionCount,
                        const QStringList &excluded, const std::function<QString()> &drawDistractor,
                        RandomEngine &engine);
