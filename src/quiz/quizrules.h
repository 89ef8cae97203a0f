#pragma once

#include "platform/filesaving.h"
#include "platform/random.h"
#include "quizrecords.h"

#include <functional>

struct RuneCatalogue;

// The rules both rune tests share: what a level asks for, how a question is scored, the result
// text and its file. Plain logic; the pages only show it.
namespace QuizRules {

// Boxes in use: 5 at Beginner, 8 at Advanced.
int optionCount(qint16 level);
// Ticks an answer needs, and right answers a question has: 1 at Beginner, 4 at Advanced.
int requiredTicks(qint16 level);
// The instruction line of a question.
QString instruction(qint16 level);

// Empty when an answer with this many ticked boxes may be scored, otherwise what to tell the user.
QString tickCountMessage(qint16 level, int tickedCount);
// What a screen reader adds to that message, which does not tell too many from too few:
// "3 ticked, 1 needed."
QString tickCountDetail(qint16 level, int tickedCount);
// What a screen reader hears of a new question before its first option: "Question 3, Tiwaz.
// You must choose only 1 option." Only what the page shows: a meanings question does not say
// which face its right answers were drawn for, as the picture is upright whatever the face.
QString questionNews(int number, const QString &stoneName, qint16 level);

// One point for every right answer that equals a ticked caption, compared exactly; a caption that
// equals two right answers earns two.
qint16 score(const QStringList &tickedCaptions, const QStringList &correctAnswers);
// "3 Correct Out of 4", kept per question.
QString scoreLine(qint16 level, int score);

// The text of a finished test: 24 question lines with their score lines in one column, a line of
// hyphens and the total, CR LF between the lines and nothing after the last.
QString resultText(const RuneCatalogue &catalogue, const AnswerSheet &sheet);

// A chosen result file name, with ".txt" added when it has no suffix of its own and names nothing
// that is there.
QString withTextSuffix(const QString &fileName);
// Writes the result text and one CR LF in the system's code page, creating or replacing the file
// as FileSaving::replace does: whatever fails, an older file stays as it was. Empty on success,
// otherwise why not.
FileSaving::Failure saveResult(const QString &path, const QString &resultText);

} // namespace QuizRules

// The make-up of a keywords question: the right answers go to distinct random positions among
// `optionCount` (every set of positions equally likely), and every other position gets a text
// from `drawDistractor` that is none of `excluded` and shows in no other box. The draws must offer
// enough different texts to fill the question.
Question layOutQuestion(const QStringList &correctAnswers, int optionCount,
                        const QStringList &excluded, const std::function<QString()> &drawDistractor,
                        RandomEngine &engine);
