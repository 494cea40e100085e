#include "stats/ui/time_sheet_printer.h"

#include "stats/core/time_sheet.h"

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
    const QString title = timeSheetTitle(sheet.from, sheet.to);

    bool first = true;
    for (const SheetPage &sheetPage : sheetPages(sheet, kSheetDaysPerPage, rowsPerPage)) {
        if (!first && !device.newPage())
            return false;
        first = false;
        painter.setFont(titleFont);
        painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight),
            Qt::AlignLeft | Qt::AlignTop, title);
        // The sheet's columns on this page, from the activity's on.
        QList<int> columns { 0 };
        for (int day = sheetPage.firstDay; day < sheetPage.endDay; ++day)
            columns.append(day + 1);
        if (sheetPage.totalColumn)
            columns.append(sheet.columnCount() - 1);
        painter.setFont(bold);
        for (int c = 0; c < columns.size(); ++c) {
            drawCell(painter, grid.cell(c, 0), sheet.heading(columns[c]),
                c == 0 ? Qt::AlignLeft : Qt::AlignHCenter,
                sheet.isWeekend(columns[c]) ? kWeekend : kHeading);
        }
        for (int line = sheetPage.firstRow; line < sheetPage.endRow; ++line) {
            for (int c = 0; c < columns.size(); ++c) {
                const int column = columns[c];
                painter.setFont(
                    sheet.isTotalLine(line) || sheet.isTotalColumn(column) ? bold : font);
                drawCell(painter, grid.cell(c, line - sheetPage.firstRow + 1),
                    sheet.cell(line, column), c == 0 ? Qt::AlignLeft : Qt::AlignRight,
                    sheet.isWeekend(column) ? kWeekend : QColor());
            }
        }
    }
    return painter.end();
}

} // namespace qm::stats
