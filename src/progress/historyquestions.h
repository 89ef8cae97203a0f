#pragma once

#include "history/historybackups.h"

#include <QCoreApplication>

class HistoryStore;
class Platform;
class QWidget;

// What the user hears and is asked about the history's file, wherever it comes up: its notices,
// the backup offered in place of a damaged history, and the check of every page. Each returns
// true when the history now holds the tests of a backup, so that a view reads it afresh.
class HistoryQuestions
{
    Q_DECLARE_TR_FUNCTIONS(HistoryQuestions)

public:
    // Tells the history's notice; when a damaged history was moved aside and a backup is on
    // offer, asks whether to restore it instead of beginning a new history.
    static bool tell(Platform &platform, QWidget *over, HistoryStore &history);
    // "Check History...": checks every page, says what it found and, on problems, offers the
    // newest good backup.
    static bool check(Platform &platform, QWidget *over, HistoryStore &history);

private:
    // "The newest backup, of 7 December 2026, holds 12 tests."
    static QString offer(const HistoryBackups::Backup &backup);
    static bool restore(Platform &platform, QWidget *over, HistoryStore &history,
                        const HistoryBackups::Backup &backup);
};
