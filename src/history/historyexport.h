#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <optional>

class HistoryDatabase;

// The history as a CSV file, for a spreadsheet: a header and one line per answered question,
// oldest first, with CR LF line ends.
namespace HistoryExport {

// The tests `leftOut` are not written; without it, nothing but the header is, as nothing can be
// trusted.
QByteArray csv(HistoryDatabase &database, const std::optional<QSet<qint64>> &leftOut);
// One CSV field, quoted when it must be.
QString csvField(const QString &text);

} // namespace HistoryExport
