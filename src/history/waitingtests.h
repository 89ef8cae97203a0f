#pragma once

#include "historyrecorder.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <variant>

class HistoryDatabase;

// Finished tests and practice rounds the history could not take yet: another program held the
// file, or a damaged history waits for the user's word on its backup. They are kept in memory in
// the order they were finished and offered again after growing pauses. Each try waits only a
// moment for the file, so a window never stops for it; the user hears of them only if the run
// ends before the history took them.
class WaitingTests : public QObject
{
    Q_OBJECT

public:
    WaitingTests(HistoryRecorder &recorder, HistoryDatabase &database);
    Q_DISABLE_COPY_MOVE(WaitingTests)

    // Records the test or round after those still waiting, or keeps it waiting; false when it is
    // lost (the database's notice says why).
    bool record(const AnswerSheet &sheet, const QDateTime &finished);
    bool record(const PracticeRound &round, const QDateTime &finished);
    // Offers the waiting tests to the history now.
    void retry();
    // At the end of the run: one last try, then the notice tells of every test not kept.
    void lastTry();
    qsizetype count() const { return m_tests.size(); }

signals:
    // Tests that waited have been offered again, and the history took them or told why not:
    // what shows the history, and its notice, is out of date.
    void tookWaiting();

private:
    struct Test {
        std::variant<AnswerSheet, PracticeRound> finishedWork;
        QDateTime finished;
    };
    bool add(Test test);
    HistoryRecorder::Result offer();

    HistoryRecorder &m_recorder;
    HistoryDatabase &m_database;
    QList<Test> m_tests;
    QTimer m_timer;
    std::chrono::milliseconds m_pause{0};
};
