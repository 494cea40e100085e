#include "stats/ui/time_sheet_printer.h"

#include "journal/text_formats.h"
#include "stats/core/time_sheet.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace qm::stats {

namespace {

const QColor kWeekend(0xE4, 0xE4, 0xE4);
const QColor kHeading(0xC8, 0xD7, 0xE6);

// Where each part of a page goes, in the device's pixels.
struct Grid
{
    int left = 0;
    int top = 0; // of the heading line
    int nameWidth = 0;
    int cellWidth = 0;
    int lineHeight = 0;

    QRect cell(int column, int line) const // column 0: the names
    {
        const int x = column == 0 ? left : left + nameWidth + (column - 1) * cellWidth;
        return { x, top + line * lineHeight, column == 0 ? nameWidth : cellWidth, lineHeight };
    }
};

void drawCell(QPainter &painter, const QRect &rect, const QString &text, Qt::Alignment alignment,
    const QColor &fill = {})
{
    if (fill.isValid())
        painter.fillRect(rect, fill);
    painter.drawRect(rect);
    const int pad = rect.height() / 5;
    const QRect inside = rect.adjusted(pad, 0, -pad, 0);
    painter.drawText(inside, int(alignment | Qt::AlignVCenter),
        painter.fontMetrics().elidedText(text, Qt::ElideRight, inside.width()));
}

bool isWeekend(QDate date)
{
    return date.dayOfWeek() >= Qt::Saturday;
}

} // namespace

bool printTimeSheet(const TimeSheet &sheet, QPagedPaintDevice &device)
{
    device.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font(QStringLiteral("Sans"), 9);
    painter.setFont(font);
    QFont bold = font;
    bold.setBold(true);
    QFont titleFont = font;
    titleFont.setPointSize(13);
    titleFont.setBold(true);

    const QRect page(0, 0, device.width(), device.height());
    const int titleHeight = QFontMetrics(titleFont, &device).height() * 2;
    Grid grid;
    grid.left = page.left();
    grid.top = page.top() + titleHeight;
    grid.lineHeight = QFontMetrics(font, &device).height() * 3 / 2;
    // The names take a quarter of the width, the days and the total share the rest.
    grid.nameWidth = page.width() / 4;
    grid.cellWidth = (page.width() - grid.nameWidth) / (kSheetDaysPerPage + 1);
    const int rowsPerPage = std::max(1, (page.height() - titleHeight) / grid.lineHeight - 1);
    const int totalsRow = int(sheet.rows.size());
    const QString title = timeSheetTitle(sheet.from, sheet.to);
    const QString activity = QCoreApplication::translate("qm::stats::TimeSheetModel", "Activité");
    const QString total = QCoreApplication::translate("qm::stats::TimeSheetModel", "Total");

    bool first = true;
    for (const SheetPage &sheetPage : sheetPages(sheet, kSheetDaysPerPage, rowsPerPage)) {
        if (!first && !device.newPage())
            return false;
        first = false;
        painter.setFont(titleFont);
        painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
            Qt::AlignLeft | Qt::AlignTop, title);
        painter.setFont(bold);
        drawCell(painter, grid.cell(0, 0), activity, Qt::AlignLeft, kHeading);
        const int days = sheetPage.endDay - sheetPage.firstDay;
        for (int d = 0; d < days; ++d) {
            const QDate date = sheet.day(sheetPage.firstDay + d);
            drawCell(painter, grid.cell(d + 1, 0), dayHeading(date), Qt::AlignHCenter,
                isWeekend(date) ? kWeekend : kHeading);
        }
        if (sheetPage.totalColumn)
            drawCell(painter, grid.cell(days + 1, 0), total, Qt::AlignHCenter, kHeading);
        for (int row = sheetPage.firstRow; row < sheetPage.endRow; ++row) {
            const bool totals = row == totalsRow;
            const int line = row - sheetPage.firstRow + 1;
            painter.setFont(totals ? bold : font);
            const std::vector<std::int64_t> &minutes
                = totals ? sheet.dayTotals : sheet.rows[std::size_t(row)].days;
            drawCell(painter, grid.cell(0, line),
                totals ? total : sheet.rows[std::size_t(row)].activity, Qt::AlignLeft);
            for (int d = 0; d < days; ++d) {
                const int day = sheetPage.firstDay + d;
                const std::int64_t m = minutes[std::size_t(day)];
                drawCell(painter, grid.cell(d + 1, line), m == 0 ? QString() : durationText(m),
                    Qt::AlignRight, isWeekend(sheet.day(day)) ? kWeekend : QColor());
            }
            if (sheetPage.totalColumn) {
                painter.setFont(bold);
                drawCell(painter, grid.cell(days + 1, line),
                    durationText(totals ? sheet.total : sheet.rows[std::size_t(row)].total),
                    Qt::AlignRight);
            }
        }
    }
    return painter.end();
}

} // namespace qm::stats
