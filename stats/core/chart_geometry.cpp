#include "stats/core/chart_geometry.h"

#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"

#include <QCoreApplication>
#include <QRectF>

#include <array>
#include <cmath>
#include <numbers>

namespace qm::stats {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr double kLabelGap = 6; // pixels between two dates
constexpr double kMinTickSpacing = 3;
constexpr int kMinutesPerHour = 60;
constexpr double kFullTurn = 360;

double radians(double degrees)
{
    return degrees * std::numbers::pi / (kFullTurn / 2);
}

} // namespace

std::vector<DateTick> dateTicks(const ReportByActivity &report, double labelWidth)
{
    std::vector<DateTick> ticks;
    const BarLayout &layout = report.layout;
    if (layout.daysPerBar <= 0)
        return ticks;
    const double room = labelWidth + kLabelGap;
    const bool everyBar = layout.daysPerBar == 1 && layout.barWidth >= room;
    const double weekWidth = double(kDaysPerWeek) / layout.daysPerBar * layout.barWidth;
    // Every how many weeks a date is written when they are not all.
    const auto weeks = std::max(1, int(std::ceil(room / std::max(weekWidth, 1.0))));
    int mondays = 0;
    for (const Bar &bar : report.bars) {
        DateTick tick;
        tick.x = (bar.x1 + bar.x2 + 1) / 2.0;
        tick.date = bar.firstDay;
        // The bar holding a Monday stands for it.
        for (int d = 0; d < layout.daysPerBar && !tick.monday; ++d) {
            if (bar.firstDay.addDays(d).dayOfWeek() == Qt::Monday) {
                tick.monday = true;
                tick.date = bar.firstDay.addDays(d);
            }
        }
        if (everyBar) {
            tick.labelled = true;
        } else if (tick.monday) {
            tick.labelled = mondays++ % weeks == 0;
            if (!tick.labelled && weekWidth < kMinTickSpacing)
                continue;
        } else {
            continue;
        }
        ticks.push_back(tick);
    }
    return ticks;
}

std::vector<HourLine> hourLines(std::int64_t maxDayMinutes, double minSpacing)
{
    std::vector<HourLine> lines;
    if (maxDayMinutes < kMinutesPerHour)
        return lines;
    const double hourHeight = double(kMinutesPerHour) * kChartHeight / double(maxDayMinutes);
    static constexpr std::array kSteps { 1, 2, 3, 4, 6, 12, 24 };
    int step = kSteps.back();
    for (int s : kSteps) {
        if (s * hourHeight >= minSpacing) {
            step = s;
            break;
        }
    }
    for (int h = step; std::int64_t(h) * kMinutesPerHour <= maxDayMinutes; h += step) {
        HourLine line;
        line.hours = h;
        line.y = kChartBase - h * hourHeight;
        line.labelled = line.y - (kChartBase - kChartHeight) >= minSpacing;
        lines.push_back(line);
    }
    return lines;
}

QString hourText(int hours)
{
    return QCoreApplication::translate("qm::stats::Report", "%1 h").arg(hours);
}

std::vector<PieLabel> pieLabels(const ReportByDate &report, QSizeF labelSize)
{
    std::vector<PieLabel> labels;
    std::vector<QRectF> taken;
    // In the middle of the slice first, then nearer the rim, then nearer the point.
    static constexpr std::array kRadii { 0.62, 0.8, 0.42 };
    for (std::size_t s = 0; s < report.slices.size(); ++s) {
        const PieSlice &slice = report.slices[s];
        const LegendRow &row = report.legend.at(std::size_t(slice.legendRow));
        if (row.share < kLabelledShare)
            continue;
        const double middle = radians(slice.startAngle + slice.spanAngle / 2.0);
        for (double radius : kRadii) {
            const QPointF centre = slice.spanAngle >= kFullTurn
                ? QPointF(0, 0)
                : QPointF(radius * std::cos(middle), -radius * std::sin(middle));
            QRectF rect(QPointF(), labelSize);
            rect.moveCenter(centre);
            if (std::any_of(taken.begin(), taken.end(),
                    [&rect](const QRectF &other) { return other.intersects(rect); }))
                continue;
            taken.push_back(rect);
            labels.push_back({ int(s), centre, row.percentText });
            break;
        }
    }
    return labels;
}

int sliceAt(const ReportByDate &report, QPointF point)
{
    if (std::hypot(point.x(), point.y()) > 1)
        return -1;
    double angle = std::atan2(-point.y(), point.x()) * (kFullTurn / 2) / std::numbers::pi;
    if (angle < 0)
        angle += kFullTurn;
    for (std::size_t s = 0; s < report.slices.size(); ++s) {
        const PieSlice &slice = report.slices[s];
        const double from = std::fmod(angle - slice.startAngle + kFullTurn, kFullTurn);
        if (from < slice.spanAngle)
            return int(s);
    }
    return -1;
}

} // namespace qm::stats
