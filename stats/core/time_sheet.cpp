#include "stats/core/time_sheet.h"

#include "journal/text_formats.h"
#include "stats/core/number_style.h"
#include "stats/core/period_totals.h"
#include "stats/core/spreadsheet.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace qm::stats {

TimeSheet timeSheet(const Statistics &stats, QDate from, QDate to)
{
    TimeSheet sheet;
    sheet.from = from;
    sheet.to = to;
    const auto first = DayNumber(from.toJulianDay());
    const auto last = DayNumber(to.toJulianDay());
    if (!from.isValid() || !to.isValid() || last < first)
        return sheet;
    const auto dayCount = std::size_t(last - first + 1);
    sheet.dayTotals.assign(dayCount, 0);
    const PeriodTotals totals = periodTotals(stats, first, last);
    sheet.total = totals.total;
    std::vector<std::size_t> rowOf(totals.minutes.size(), SIZE_MAX);
    for (const std::size_t a : totals.order) {
        rowOf[a] = sheet.rows.size();
        sheet.rows.push_back({ stats.activities()[a].name, std::vector<std::int64_t>(dayCount, 0),
            totals.minutes[a] });
    }
    const auto &dates = stats.entryDates();
    const auto &minutes = stats.entryMinutes();
    const auto &activity = stats.entryActivityIndices();
    for (const std::int32_t e : periodEntries(stats, first, last)) {
        const auto entry = std::size_t(e);
        const auto day = std::size_t(dates[entry] - first);
        sheet.dayTotals[day] += minutes[entry];
        const std::size_t row = rowOf[std::size_t(activity[entry])];
        // An activity whose minutes add up to nothing has no line.
        if (row != SIZE_MAX)
            sheet.rows[row].days[day] += minutes[entry];
    }
    return sheet;
}

QString TimeSheet::heading(int column) const
{
    if (column == 0)
        return QCoreApplication::translate("qm::stats::TimeSheet", "Activité");
    if (isTotalColumn(column))
        return QCoreApplication::translate("qm::stats::TimeSheet", "Total");
    return dayHeading(day(column - 1));
}

QString TimeSheet::cell(int line, int column) const
{
    const bool totals = isTotalLine(line);
    if (column == 0)
        return totals ? QCoreApplication::translate("qm::stats::TimeSheet", "Total")
                      : rows[std::size_t(line)].activity;
    if (isTotalColumn(column))
        return durationText(totals ? total : rows[std::size_t(line)].total);
    const std::int64_t minutes
        = (totals ? dayTotals : rows[std::size_t(line)].days)[std::size_t(column - 1)];
    return minutes == 0 ? QString() : durationText(minutes);
}

QByteArray exportTimeSheet(const TimeSheet &sheet)
{
    const QString dateFormat = QStringLiteral("dd/MM/yyyy");
    QStringList heading { QCoreApplication::translate("qm::stats::Export", "Activité") };
    for (int d = 0; d < sheet.dayCount(); ++d)
        heading.append(sheet.day(d).toString(dateFormat));
    const QString total = QCoreApplication::translate("qm::stats::Export", "Total");
    heading.append(total);
    QList<QStringList> lines { heading };
    const auto figures
        = [](QStringList line, const std::vector<std::int64_t> &days, std::int64_t sum) {
              for (const std::int64_t minutes : days)
                  line.append(QString::number(minutes));
              line.append(QString::number(sum));
              return line;
          };
    for (const TimeSheetRow &row : sheet.rows)
        lines.append(figures({ textCell(row.activity) }, row.days, row.total));
    lines.append(figures({ total }, sheet.dayTotals, sheet.total));
    return spreadsheetBytes(lines, uiNumberStyle());
}

QString timeSheetExportName(QDate from, QDate to)
{
    const QString format = QStringLiteral("dd-MM-yyyy");
    //: The proposed name of the exported time sheet; the dates are day-month-year.
    return QCoreApplication::translate(
        "qm::stats::Export", "Quillmere feuille de temps du %1 au %2")
        .arg(from.toString(format), to.toString(format));
}

QString timeSheetTitle(QDate from, QDate to)
{
    return QCoreApplication::translate(
        "qm::stats::TimeSheet", "Quillmere - Feuille de temps du %1 au %2")
        .arg(dateText(from), dateText(to));
}

QString dayHeading(QDate date)
{
    const QLocale locale(uiLanguageCode() == u"fr" ? QLocale::French : QLocale::English);
    return locale.toString(date, QStringLiteral("ddd")) + u' '
        + date.toString(QStringLiteral("dd/MM"));
}

std::vector<SheetPage> sheetPages(const TimeSheet &sheet, int daysPerPage, int rowsPerPage)
{
    const int days = sheet.dayCount();
    const int rows = int(sheet.rows.size()) + 1;
    daysPerPage = std::max(daysPerPage, 1);
    rowsPerPage = std::max(rowsPerPage, 1);
    std::vector<SheetPage> pages;
    for (int firstDay = 0; firstDay == 0 || firstDay < days; firstDay += daysPerPage) {
        const int endDay = std::min(firstDay + daysPerPage, days);
        for (int firstRow = 0; firstRow < rows; firstRow += rowsPerPage)
            pages.push_back({ firstDay, endDay, firstRow, std::min(firstRow + rowsPerPage, rows),
                endDay == days });
    }
    return pages;
}

} // namespace qm::stats
