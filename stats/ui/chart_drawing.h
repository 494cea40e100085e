#pragma once

class QColor;
class QFont;
class QPainter;
class QRectF;

namespace qm::stats {

struct ReportByActivity;
struct ReportByDate;

// The charts of both reports, drawn by the windows' surfaces and on the printed page alike.

// The text colour that reads on `fill`, in colour and in grey: white on the dark ones.
QColor inkOn(const QColor &fill);

// The pie in `disc`: the slices with a thin white border between them, and the shares of the
// large ones written inside in `font`.
void drawPie(QPainter &painter, const QRectF &disc, const ReportByDate &report, const QFont &font);

// The bars, their axes, the hour lines with their "1 h" to the left of the axis and the dates
// under it, in `font`; `plot` is where the chart's 600 by 300 pixels of the surface go.
void drawBarChart(
    QPainter &painter, const QRectF &plot, const ReportByActivity &report, const QFont &font);

} // namespace qm::stats
