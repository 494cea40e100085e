#include "stats/ui/time_sheet_model.h"

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
    return parent.isValid() ? 0 : m_sheet.lineCount();
}

int TimeSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_sheet.columnCount();
}

QVariant TimeSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int line = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return m_sheet.cell(line, column);
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                           : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return m_sheet.isWeekend(column) ? QBrush(QColor(0xE4, 0xE4, 0xE4)) : QVariant();
    case Qt::FontRole:
        if (m_sheet.isTotalLine(line) || m_sheet.isTotalColumn(column)) {
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
    return m_sheet.heading(section);
}

} // namespace qm::stats
