#pragma once

#include <QByteArray>
#include <QString>

class HistoryDatabase;

// The history as a CSV file, for a spreadsheet: a header and one line per answered question,
// oldest first, with CR LF line ends.
namespace HistoryExport {

QByteArray csv(HistoryDatabase &database);
// One CSV field, quoted when it must be.
QString csvField(const QString &text);

} // namespace HistoryExport
