#pragma once

#include "history/schedule.h"

#include <QAbstractTableModel>
#include <QDate>

// Per stone, where its keywords and its meanings stand in the boxes and when each comes back.
// Every cell has a sort key under Qt::UserRole, for a QSortFilterProxyModel.
class ScheduleModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Stone, KeywordsBox, KeywordsDue, MeaningsBox, MeaningsDue, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // What is due is told as of `today`, a learner day.
    void setSchedule(const Schedule &schedule, QDate today);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant boxCell(const ItemState &state, int role) const;
    QVariant dueCell(const ItemState &state, int role) const;
    static QString shownDay(QDate day);

    Schedule m_schedule;
    QDate m_today;
};
