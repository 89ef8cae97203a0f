#pragma once

#include "platform/filesaving.h"
#include "quizrecords.h"

struct RuneCatalogue;

// The result of a finished test as the user reads and saves it.
namespace QuizResultFile {

// 24 question lines with their score lines in one column, a line of hyphens and the total, CR LF
// between the lines and nothing after the last.
QString text(const RuneCatalogue &catalogue, const AnswerSheet &sheet);

// A chosen result file name, with ".txt" added when it has no suffix of its own and names nothing
// that is there.
QString withTextSuffix(const QString &fileName);
// Writes the result text and one CR LF in the system's code page, creating or replacing the file
// as FileSaving::replace does: whatever fails, an older file stays as it was. Empty on success,
// otherwise why not.
FileSaving::Failure save(const QString &path, const QString &resultText);

} // namespace QuizResultFile
