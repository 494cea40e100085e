#pragma once

#include "stats/core/time_sheet.h"

#include <QAbstractTableModel>

namespace qm::stats {

// A time sheet as a table: the activity, one column per day, the total; a last line of totals.
// Saturdays and Sundays are shaded.
class TimeSheetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setSheet(TimeSheet sheet);
    const TimeSheet &sheet() const { return m_sheet; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TimeSheet m_sheet;
};

} // namespace qm::stats
