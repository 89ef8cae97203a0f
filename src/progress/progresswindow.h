#pragma once

#include "catalogue/runecatalogue.h"

#include <QList>
#include <QWidget>

#include <memory>

class HistoryStore;
class PastTestsModel;
class Platform;
class QLabel;
class QPushButton;
class ScheduleModel;
class ScoreChart;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class QTreeView;

// The learner's progress, read from the history: scores over time, how each stone fares, every
// past test with its review, and the history's export and deletion. A window of its own beside
// the study window, not a box over it.
class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    ProgressWindow(Platform &platform, HistoryStore &history, QWidget *parent = nullptr);
    ~ProgressWindow() override;

    // Reads the history afresh into every view.
    void reload();

    // "Export...": the whole history as CSV, into a file the user chooses.
    void exportHistory();
    // "Forget History...": empties the history once the user has said yes.
    void forgetHistory();
    // The review of the past test in `row` of the list, without waiting on it.
    void reviewTest(int row);

    QWidget *chart() const { return m_chart; }
    QTableView *stonesTable() const { return m_stones; }
    QTableView *scheduleTable() const { return m_schedule; }
    QTreeView *pastTestsList() const { return m_tests; }
    QPushButton *studyButton() const { return m_study; }
    QLabel *notKeptLine() const { return m_notKept; }

signals:
    // "Study Weakest Stones", weakest first.
    void studyStonesRequested(const QList<StoneIndex> &stones);

private:
    void fillChart();
    void fillStones();
    void fillSchedule();
    void tellNotice();

    Platform &m_platform;
    HistoryStore &m_history;
    std::unique_ptr<ScoreChart> m_scoreChart;
    QWidget *m_chart = nullptr;
    // The chart told in words, when its module cannot be loaded.
    QLabel *m_chartWords = nullptr;
    QTableView *m_stones = nullptr;
    QStandardItemModel *m_stoneRows = nullptr;
    QTabWidget *m_stoneViews = nullptr;
    QTableView *m_schedule = nullptr;
    ScheduleModel *m_scheduleRows = nullptr;
    QLabel *m_dueCounts = nullptr;
    QLabel *m_streak = nullptr;
    QTreeView *m_tests = nullptr;
    PastTestsModel *m_testRows = nullptr;
    QPushButton *m_study = nullptr;
    QPushButton *m_export = nullptr;
    QPushButton *m_forget = nullptr;
    // Why new tests are not being kept, while the history can only be read.
    QLabel *m_notKept = nullptr;
    QList<StoneIndex> m_weakest;
};
