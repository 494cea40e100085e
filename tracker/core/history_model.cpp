#include "tracker/core/history_model.h"

#include <QColor>
#include <QCoreApplication>

#include <algorithm>

namespace qm {

namespace {

constexpr std::array<const char *, HistoryModel::ColumnCount> kHeadings {
    QT_TRANSLATE_NOOP("qm::HistoryModel", "Début"),
    QT_TRANSLATE_NOOP("qm::HistoryModel", "Durée"),
    QT_TRANSLATE_NOOP("qm::HistoryModel", "Activité"),
    QT_TRANSLATE_NOOP("qm::HistoryModel", "Commentaire"),
};

// A layout keeps the French headings: their padded length is the width of the column.
QString paddedLayout(int startWidth, int durationWidth, int activityWidth, int commentWidth)
{
    const std::array widths { startWidth, durationWidth, activityWidth, commentWidth };
    QStringList headings;
    for (size_t column = 0; column < kHeadings.size(); ++column)
        headings.append(
            (u' ' + QString::fromUtf8(kHeadings[column])).leftJustified(widths[column]));
    return headings.join(u'|');
}

// The heading shown keeps the width of the layout's one.
QString shownHeading(const QString &layoutHeading, int column)
{
    const QString shown
        = u' ' + QCoreApplication::translate("qm::HistoryModel", kHeadings[size_t(column)]);
    return shown.leftJustified(layoutHeading.size());
}

} // namespace

QString inLogCellText()
{
    //: The start cell of a row read back from the journal.
    return QCoreApplication::translate("qm::HistoryModel", "(dans log)");
}

QString runningCellText()
{
    //: The duration cell of the activity under way.
    return QCoreApplication::translate("qm::HistoryModel", "EN COURS");
}

const QString kStartupLayout = paddedLayout(15, 20, 79, 80);
const QString kNewDayLayout = paddedLayout(15, 20, 59, 60);

HistoryModel::HistoryModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    reset(kStartupLayout);
}

void HistoryModel::reset(const QString &layout)
{
    beginResetModel();
    m_layout = layout;
    m_headers = layout.split(u'|');
    while (m_headers.size() < ColumnCount)
        m_headers.append(QString());
    m_rows.clear();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (m_firstVisibleRow != 1) {
        m_firstVisibleRow = 1;
        emit firstVisibleRowChanged(m_firstVisibleRow);
    }
}

int HistoryModel::columnChars(int column) const
{
    return column >= 0 && column < ColumnCount ? int(m_headers.at(column).size()) : 0;
}

void HistoryModel::appendRow(const Cells &cells, bool fromJournal)
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append(Row { cells, fromJournal });
    endInsertRows();
}

void HistoryModel::removeLastRow()
{
    if (m_rows.isEmpty())
        return;
    const int row = int(m_rows.size()) - 1;
    beginRemoveRows({}, row, row);
    m_rows.removeLast();
    endRemoveRows();
    if (m_firstVisibleRow > gridRowCount() - 1 && m_firstVisibleRow > 1) {
        m_firstVisibleRow = std::max(1, gridRowCount() - kVisibleRows);
        emit firstVisibleRowChanged(m_firstVisibleRow);
    }
}

QString HistoryModel::cell(int gridRow, int column) const
{
    if (gridRow == 0)
        return column >= 0 && column < ColumnCount ? shownHeading(m_headers.at(column), column)
                                                   : QString();
    if (gridRow < 1 || gridRow > m_rows.size() || column < 0 || column >= ColumnCount)
        return {};
    return m_rows.at(gridRow - 1).cells[size_t(column)];
}

void HistoryModel::setCell(int gridRow, int column, const QString &text)
{
    if (gridRow < 1 || gridRow > m_rows.size() || column < 0 || column >= ColumnCount)
        return;
    m_rows[gridRow - 1].cells[size_t(column)] = text;
    const QModelIndex changed = index(gridRow - 1, column);
    emit dataChanged(changed, changed, { Qt::DisplayRole });
}

bool HistoryModel::isJournalRow(int gridRow) const
{
    return gridRow >= 1 && gridRow <= m_rows.size() && m_rows.at(gridRow - 1).fromJournal;
}

void HistoryModel::showAsLastVisible(int gridRow)
{
    if (gridRow < kVisibleRows)
        return;
    const int first = gridRow - (kVisibleRows - 1);
    if (first == m_firstVisibleRow)
        return;
    m_firstVisibleRow = first;
    emit firstVisibleRowChanged(first);
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return row.cells[size_t(index.column())];
    case Qt::BackgroundRole:
        if (row.fromJournal && index.column() == StartColumn)
            return QColor(255, 255, 192);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return shownHeading(m_headers.at(section), section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

} // namespace qm
