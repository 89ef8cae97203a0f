#pragma once

#include "goalfile.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

// One goal's file while the study window shows it: how it was read, so that a save writes it
// back the same way, never writes over a file that could not be read or is too large to edit,
// and never replaces unasked what another program wrote meanwhile.
class GoalDocument
{
    Q_DECLARE_TR_FUNCTIONS(GoalDocument)

public:
    // A yes-or-no question for the user; true for Yes.
    using Ask = std::function<bool(const QString &question, bool yesByDefault)>;

    // What the user is to be told after a save; an empty text tells nothing.
    struct Told {
        QString text;
        bool failed = false; // the save failed, rather than was refused because of a lock
        bool saved = false;  // the file holds the text now
    };

    // Reads the goal's file; returns what its box shows.
    QString load(int goal, const QString &path);
    // What the last load gave the box to show.
    const QString &loadedText() const { return m_loadedText; }

    bool isLocked() const { return !m_lockReason.isEmpty(); }
    // Why the goal cannot be changed, or an empty text when it can.
    const QString &lockReason() const { return m_lockReason; }

    // Saves the box's text, asking first whatever stands in the way.
    Told save(const QString &text, const Ask &ask);

private:
    int m_goal = 0;
    QString m_path;
    GoalFile::Encoding m_encoding = GoalFile::Encoding::Utf8;
    QString m_lockReason;
    QString m_loadedText;
    // The file as it was read or last saved.
    GoalFile::Stamp m_stamp;
};
