#include "stats/core/by_date.h"

#include "journal/text_formats.h"
#include "stats/core/rounding.h"
#include "stats/core/selection_order.h"
#include "stats/core/statistics.h"

#include <QCoreApplication>

#include <algorithm>

namespace qm::stats {

QString othersCaption()
{
    return QCoreApplication::translate("qm::stats::Report", ".....Autres (toutes < 4%)");
}

const std::array<QColor, 20> &sliceColours()
{
    // The program's twenty colours, in an order where each one's grey differs from the next
    // one's by 32 levels or more, so that neighbouring slices stay apart on a black and white
    // printer; the first slice, red, is the darkest of all, as the last slice touches it.
    static const std::array<QColor, 20> kColours = {
        QColor(255, 255, 225),
        QColor(255, 0, 0),
        QColor(255, 153, 255),
        QColor(153, 204, 0),
        QColor(204, 204, 255),
        QColor(153, 153, 255),
        QColor(255, 204, 153),
        QColor(168, 228, 0),
        QColor(204, 255, 103),
        QColor(255, 153, 51),
        QColor(220, 220, 220),
        QColor(204, 153, 255),
        QColor(221, 221, 221),
        QColor(255, 204, 0),
        QColor(234, 234, 234),
        QColor(179, 179, 255),
        QColor(255, 255, 153),
        QColor(192, 192, 192),
        QColor(255, 255, 204),
        QColor(255, 183, 111),
    };
    return kColours;
}

QString reportTitle(const QString &userName, QDate today)
{
    return u' ' + userName + QStringLiteral(" - ") + dateText(today) + u' ';
}

namespace {

constexpr int kFullTurn = 360;
constexpr int kHalfTurn = 180;
// From 12 o'clock, where the shares start, to 3 o'clock, where QPainter's angles start.
constexpr int kTwelveToThree = 90;

} // namespace

double placeSlice(double start, double sweep, int colourIndex, PieSlice &slice)
{
    const auto s = int(roundHalfEven(start + kTwelveToThree) % kFullTurn);
    const auto e = int(roundHalfEven(s + sweep) % kFullTurn);
    slice.colourIndex = colourIndex;
    slice.startAngle = s;
    // Equal ends are a full turn when the sweep asked for one.
    slice.spanAngle = (e == s && sweep >= kHalfTurn) ? kFullTurn : (e - s + kFullTurn) % kFullTurn;
    return (e - kTwelveToThree + kFullTurn) % kFullTurn;
}

namespace {

std::vector<PeriodRow> sortedRows(const Statistics &stats, const std::vector<std::int64_t> &minutes,
    std::int64_t total, std::int64_t &activeCount)
{
    const auto &activities = stats.activities();
    std::vector<float> percents(activities.size(), -1);
    activeCount = 0;
    for (std::size_t i = 0; i < activities.size(); ++i) {
        if (minutes[i] == 0)
            continue;
        ++activeCount;
        // A period whose minutes cancel out has no shares to give.
        percents[i] = total != 0 ? float(double(minutes[i]) * 100.0 / double(total)) : 0.0f;
    }
    std::vector<PeriodRow> rows;
    rows.reserve(activities.size());
    for (std::int32_t i : selectionSortOrder(percents))
        rows.push_back(
            { activities[std::size_t(i)].name, minutes[std::size_t(i)], percents[std::size_t(i)] });
    return rows;
}

QString legendTip(const QString &name, std::int64_t minutes, const QString &percentText)
{
    return QCoreApplication::translate("qm::stats::Report", "%1 : %2 (%3)")
        .arg(name, durationText(minutes), percentText);
}

void buildSlicesAndLegend(ReportByDate &report)
{
    if (report.periodTotalMinutes <= 0)
        return;
    const auto &colours = sliceColours();
    int colourIndex = 0;
    double start = 0;
    int covered = 0; // degrees already drawn, so that the others slice never overlaps them
    for (std::int64_t j = 0; j < report.periodActivityCount && j < kLegendRows; ++j) {
        const PeriodRow &row = report.periodRows[std::size_t(j)];
        colourIndex = (colourIndex + 1) % int(colours.size());
        PieSlice slice;
        slice.legendRow = int(report.legend.size());
        LegendRow legend;
        legend.colourIndex = colourIndex;
        QString name = row.name;
        std::int64_t minutes = row.minutes;
        if (row.percent >= kOwnSliceThreshold) {
            legend.share = double(row.percent);
            start = placeSlice(start, double(row.percent) * kFullTurn / 100, colourIndex, slice);
            legend.activityText = u' ' + row.name;
        } else {
            placeSlice(start, kFullTurn - start, colourIndex, slice);
            slice.spanAngle = std::min(slice.spanAngle, kFullTurn - covered);
            // The small ones' minutes together, their share rounded as each other share is.
            minutes = 0;
            for (std::size_t r = std::size_t(j); r < std::size_t(report.periodActivityCount); ++r)
                minutes += report.periodRows[r].minutes;
            legend.share = double(minutes) * 100.0 / double(report.periodTotalMinutes);
            name = othersCaption();
            legend.activityText = name;
        }
        legend.percentText = QString::number(roundHalfEven(legend.share)) + QStringLiteral(" %");
        legend.timeText = durationText(minutes);
        legend.toolTip = legendTip(name, minutes, legend.percentText);
        covered += slice.spanAngle;
        if (slice.spanAngle > 0)
            report.slices.push_back(slice);
        report.legend.push_back(legend);
        if (row.percent < kOwnSliceThreshold)
            break;
    }
}

} // namespace

ReportByDate reportByDate(const Statistics &stats, QDate from, QDate to, QDate today)
{
    ReportByDate report;
    const auto first = DayNumber(from.toJulianDay());
    const auto last = DayNumber(to.toJulianDay());
    std::vector<std::int64_t> periodMinutes(std::size_t(stats.activityCount()), 0);
    const auto &dates = stats.entryDates();
    const auto &minutes = stats.entryMinutes();
    const auto &activity = stats.entryActivityIndices();
    for (std::size_t e = 0; e < dates.size(); ++e) {
        if (dates[e] < first || dates[e] > last)
            continue;
        periodMinutes[std::size_t(activity[e])] += minutes[e];
        report.periodTotalMinutes += minutes[e];
        ++report.periodEntryCount;
    }
    report.periodRows
        = sortedRows(stats, periodMinutes, report.periodTotalMinutes, report.periodActivityCount);
    buildSlicesAndLegend(report);
    report.title = reportTitle(stats.userName(), today);
    report.periodTitle = QCoreApplication::translate("qm::stats::Report", "Période du %1 au %2")
                             .arg(dateText(from), dateText(to));
    report.entryCountText = QString::number(report.periodEntryCount);
    report.durationText = durationText(report.periodTotalMinutes);
    report.activityCountText = QString::number(report.periodActivityCount);
    return report;
}

} // namespace qm::stats
