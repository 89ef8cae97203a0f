#include "schedulemodel.h"

#include <QLocale>

void ScheduleModel::setSchedule(const Schedule &schedule, QDate today)
{
    beginResetModel();
    m_schedule = schedule;
    m_today = today;
    endResetModel();
}

int ScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : StoneCount;
}

int ScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ScheduleModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::ToolTipRole) {
        // The whole text of a cell too narrow for it, and then what more the cell has to tell.
        QStringList tip{data(index, Qt::DisplayRole).toString()};
        if (const QString more = data(index, Qt::StatusTipRole).toString(); !more.isEmpty())
            tip << more;
        return tip.join(QLatin1Char('\n'));
    }
    if (!index.isValid() ||
        (role != Qt::DisplayRole && role != Qt::UserRole && role != Qt::StatusTipRole))
        return {};
    const auto stone = static_cast<StoneIndex>(index.row());
    switch (index.column()) {
    case Stone:
        if (role == Qt::StatusTipRole)
            return {};
        // In futhark order until another column is sorted by.
        return role == Qt::UserRole ? QVariant(index.row())
                                    : QVariant(loadRuneCatalogue().stoneNames[stone]);
    case KeywordsBox:
        return boxCell(m_schedule.item(stone, QuizSubject::Keywords), role);
    case KeywordsDue:
        return dueCell(m_schedule.item(stone, QuizSubject::Keywords), role);
    case MeaningsBox:
        return boxCell(m_schedule.item(stone, QuizSubject::Meanings), role);
    default:
        return dueCell(m_schedule.item(stone, QuizSubject::Meanings), role);
    }
}

QVariant ScheduleModel::boxCell(const ItemState &state, int role) const
{
    if (role == Qt::UserRole)
        return int(state.box);
    if (role == Qt::StatusTipRole) {
        if (state.lapses == 0)
            return {};
        return state.lapses == 1
                   ? tr("Forgotten once after it was learnt")
                   : tr("Forgotten %n times after it was learnt", nullptr, state.lapses);
    }
    return state.isNew() ? tr("new") : QString::number(state.box);
}

QVariant ScheduleModel::dueCell(const ItemState &state, int role) const
{
    // New and overdue items are due today, the longest overdue sorting first.
    if (role == Qt::UserRole)
        return state.isNew() ? m_today.toJulianDay() : state.due.toJulianDay();
    if (role == Qt::StatusTipRole) {
        if (state.isNew() || state.due >= m_today)
            return {};
        return tr("Due since %1").arg(shownDay(state.due));
    }
    if (state.isDueOn(m_today))
        return tr("today");
    if (state.due == m_today.addDays(1))
        return tr("tomorrow");
    return shownDay(state.due);
}

QString ScheduleModel::shownDay(QDate day)
{
    return QLocale().toString(day, QLocale::ShortFormat);
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    switch (section) {
    case Stone:
        return tr("Stone");
    case KeywordsBox:
        return tr("Keywords box");
    case KeywordsDue:
        return tr("Keywords due");
    case MeaningsBox:
        return tr("Meanings box");
    default:
        return tr("Meanings due");
    }
}
