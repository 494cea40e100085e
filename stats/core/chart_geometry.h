#pragma once

#include <QDate>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <vector>

namespace qm::stats {

struct ReportByActivity;
struct ReportByDate;

// A date under the bars, in the surface's pixels: the middle of its bar's column.
struct DateTick
{
    double x = 0;
    QDate date;
    bool monday = false; // a week starts: its tick is longer
    bool labelled = false; // its date is written under it
};

// Every bar's date when each fits under its own bar; otherwise a tick on each Monday (when they
// stand apart) and the date written every week, or every so many weeks, so that no two dates of
// `labelWidth` pixels touch.
std::vector<DateTick> dateTicks(const ReportByActivity &report, double labelWidth);

// A line across the chart at a whole number of hours, `y` in the surface's pixels.
struct HourLine
{
    double y = 0;
    int hours = 0;
    bool labelled = false; // its "2 h" is written beside the axis
};

// A line every hour, or every 2, 3, 4, 6, 12 or 24 hours when lines would be closer than
// `minSpacing` pixels; the one too close to the top of the axis, where the largest day is
// written, keeps its line and not its label.
std::vector<HourLine> hourLines(std::int64_t maxDayMinutes, double minSpacing);
// "2 h"
QString hourText(int hours);

// A slice's share written inside it, its middle relative to the pie's centre, in radii, y down.
struct PieLabel
{
    int slice = 0;
    QPointF centre;
    QString text;
};

// The shares of the slices of 5 % and more, in the middle of their slice, or nearer its rim or
// its point when they would touch a label already placed; `labelSize` is the size of the
// widest label, in radii. A share that fits nowhere is left to the legend.
std::vector<PieLabel> pieLabels(const ReportByDate &report, QSizeF labelSize);

// The slice under the point, relative to the centre in radii, y down; -1 outside the pie.
int sliceAt(const ReportByDate &report, QPointF point);

inline constexpr double kLabelledShare = 5;

} // namespace qm::stats
