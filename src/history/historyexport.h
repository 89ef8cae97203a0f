#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <memory>
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

// The same CSV made a slice at a time, so that a long history is exported while the program goes
// on. It reads through a connection of its own, which sees the history as it was when the first
// slice was read, whatever is recorded meanwhile.
class Slices
{
public:
    Slices(HistoryDatabase &database, const std::optional<QSet<qint64>> &leftOut);
    ~Slices();
    Q_DISABLE_COPY_MOVE(Slices)

    // The header with the first slice, then the lines of up to `tests` more tests a call.
    QByteArray next(int tests);
    bool atEnd() const { return !m_reading; }
    // How far it has come, counted in tests.
    qsizetype testsDone() const { return m_done; }
    qsizetype testCount() const { return m_count; }

private:
    struct Reading;
    std::unique_ptr<Reading> m_reading;
    std::optional<QSet<qint64>> m_leftOut;
    bool m_headerWritten = false;
    qsizetype m_done = 0;
    qsizetype m_count = 0;
};

} // namespace HistoryExport
