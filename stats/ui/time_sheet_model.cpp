#include "stats/ui/time_sheet_model.h"

#include "journal/text_formats.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace qm::stats {

void TimeSheetModel::setSheet(TimeSheet sheet)
{
    beginResetModel();
    m_sheet = std::move(sheet);
    endResetModel();
}

int TimeSheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sheet.rows.size()) + 1;
}

int TimeSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_sheet.dayCount() + 2;
}

bool TimeSheetModel::isWeekend(int column) const
{
    return column > 0 && column <= m_sheet.dayCount()
        && m_sheet.day(column - 1).dayOfWeek() >= Qt::Saturday;
}

std::optional<std::int64_t> TimeSheetModel::minutesAt(int row, int column) const
{
    if (column == 0)
        return std::nullopt;
    const bool totals = row == int(m_sheet.rows.size());
    const std::vector<std::int64_t> &days
        = totals ? m_sheet.dayTotals : m_sheet.rows[std::size_t(row)].days;
    if (column <= m_sheet.dayCount())
        return days[std::size_t(column - 1)];
    return totals ? m_sheet.total : m_sheet.rows[std::size_t(row)].total;
}

QVariant TimeSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    const bool totals = row == int(m_sheet.rows.size());
    switch (role) {
    case Qt::DisplayRole: {
        if (column == 0)
            return totals ? tr("Total") : m_sheet.rows[std::size_t(row)].activity;
        const std::int64_t minutes = *minutesAt(row, column);
        const bool dayCell = column <= m_sheet.dayCount();
        return minutes == 0 && dayCell ? QString() : durationText(minutes);
    }
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                           : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return isWeekend(column) ? QBrush(QColor(0xE4, 0xE4, 0xE4)) : QVariant();
    case Qt::FontRole:
        if (totals || column == m_sheet.dayCount() + 1) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant TimeSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Activité");
    if (section <= m_sheet.dayCount())
        return dayHeading(m_sheet.day(section - 1));
    return tr("Total");
}

} // namespace qm::stats
