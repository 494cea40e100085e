#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

#include <array>

namespace qm {

// The column layouts of the history: four headers, each padded to its column's width.
extern const QString kStartupLayout;
extern const QString kNewDayLayout;

// Shown only: the day file and the journal never hold these cells.
QString inLogCellText();
QString runningCellText();

// Rows of the history in sight under its header; the newest row is the last of them.
inline constexpr int kVisibleRows = 16;

// The day's history as the grid shows it. Rows are counted as in the grid: row 0 is the
// header, so data row r of the grid is model row r - 1.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { StartColumn, DurationColumn, ActivityColumn, CommentColumn, ColumnCount };
    using Cells = std::array<QString, ColumnCount>;

    explicit HistoryModel(QObject *parent = nullptr);

    // Clears the grid and leaves only its header row, with the given layout.
    void reset(const QString &layout);
    const QString &layout() const { return m_layout; }
    // The width of a column in characters: the length of its padded header.
    int columnChars(int column) const;

    int gridRowCount() const { return int(m_rows.size()) + 1; }
    void appendRow(const Cells &cells, bool fromJournal);
    void removeLastRow();
    QString cell(int gridRow, int column) const;
    void setCell(int gridRow, int column, const QString &text);
    bool isJournalRow(int gridRow) const;

    // The grid row shown right under the header.
    int firstVisibleRow() const { return m_firstVisibleRow; }
    // Scrolls so that the given row is the last of the visible rows.
    void showAsLastVisible(int gridRow);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void firstVisibleRowChanged(int gridRow);

private:
    struct Row
    {
        Cells cells;
        bool fromJournal = false;
    };

    QString m_layout;
    QStringList m_headers;
    QList<Row> m_rows;
    int m_firstVisibleRow = 1;
};

} // namespace qm
