#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace qm::stats {

class Statistics;

struct TimeSheetRow
{
    QString activity;
    std::vector<std::int64_t> days; // minutes on each day of the period
    std::int64_t total = 0;
};

// One line per activity with time in a period, one column per day of it: the grid of a weekly
// time sheet.
struct TimeSheet
{
    QDate from;
    QDate to;
    // In the exports' order: most minutes first, equal ones as they first appear.
    std::vector<TimeSheetRow> rows;
    std::vector<std::int64_t> dayTotals;
    std::int64_t total = 0;

    int dayCount() const { return int(dayTotals.size()); }
    QDate day(int column) const { return from.addDays(column); }

    // The sheet as it is shown and printed. Columns: 0 the activity, 1 to dayCount() the days,
    // then the total; lines: the activities, then the totals.
    int columnCount() const { return dayCount() + 2; }
    int lineCount() const { return int(rows.size()) + 1; }
    bool isTotalColumn(int column) const { return column == dayCount() + 1; }
    bool isTotalLine(int line) const { return line == int(rows.size()); }
    bool isWeekend(int column) const
    {
        return column > 0 && column <= dayCount() && day(column - 1).dayOfWeek() >= Qt::Saturday;
    }
    // "Activité", "lun. 01/12", "Total", in the windows' language.
    QString heading(int column) const;
    // The activity or "Total", then durations as the reports write them; a day without time is
    // empty.
    QString cell(int line, int column) const;
};

TimeSheet timeSheet(const Statistics &stats, QDate from, QDate to);

// The sheet as a spreadsheet file with the exports' conventions: the activity, whole minutes on
// each day (0 where there are none) and the total, then a line of totals.
QByteArray exportTimeSheet(const TimeSheet &sheet);
// "Quillmere feuille de temps du 01-12-2026 au 07-12-2026", without folder and suffix.
QString timeSheetExportName(QDate from, QDate to);
// "Quillmere - Feuille de temps du 01/12/2026 au 07/12/2026".
QString timeSheetTitle(QDate from, QDate to);
// A day's column heading, "lun. 01/12", the weekday in the windows' language.
QString dayHeading(QDate date);

// One printed page of a sheet: the days [firstDay, endDay) and the lines [firstRow, endRow), the
// line of totals being the one after the activities. Every page repeats the activity column and
// the headings; the total column comes with the last days.
struct SheetPage
{
    int firstDay = 0;
    int endDay = 0;
    int firstRow = 0;
    int endRow = 0;
    bool totalColumn = false;
};

// The pages, days first: at most `daysPerPage` days and `rowsPerPage` lines on each.
std::vector<SheetPage> sheetPages(const TimeSheet &sheet, int daysPerPage, int rowsPerPage);

} // namespace qm::stats
