#include "stats/core/by_activity.h"

#include "journal/text_formats.h"
#include "stats/core/by_date.h"
#include "stats/core/rounding.h"
#include "stats/core/statistics.h"

#include <QCoreApplication>

#include <algorithm>

namespace qm::stats {

BarLayout barLayoutFor(std::int64_t spanDays)
{
    struct Step
    {
        int upTo;
        BarLayout layout;
    };
    static constexpr Step kSteps[] = {
        { 6, { 100, 1, 2 } },
        { 10, { 60, 1, 2 } },
        { 15, { 40, 1, 2 } },
        { 20, { 30, 1, 2 } },
        { 30, { 20, 1, 2 } },
        { 40, { 15, 1, 2 } },
        { 50, { 12, 1, 2 } },
        { 60, { 10, 1, 2 } },
        { 100, { 6, 1, 2 } },
        { 150, { 4, 1, 2 } },
        { 200, { 3, 1, 2 } },
        { 300, { 2, 1, 2 } },
        { kChartMaxWidth, { 1, 1, 2 } },
    };
    for (const Step &step : kSteps) {
        if (spanDays <= step.upTo)
            return step.layout;
    }
    // Past one pixel a day, one more day per bar for every further width of days.
    return { 1, int((spanDays + kChartMaxWidth - 1) / kChartMaxWidth), 1 };
}

namespace {

int heightOf(std::int64_t minutes, int daysPerBar, std::int64_t maxDayMinutes)
{
    const auto h
        = roundHalfEven(double(minutes) / daysPerBar / double(maxDayMinutes) * kChartHeight);
    return int(std::clamp<std::int64_t>(h, 0, kChartHeight));
}

void buildBars(const Statistics &stats, const std::vector<std::int64_t> &activityMinutes,
    DayNumber firstDate, ReportByActivity &report)
{
    const auto &days = stats.days();
    const BarLayout layout = report.layout;
    std::size_t next = std::size_t(stats.firstDayFrom(firstDate));
    for (std::int64_t k = 0, v = 0; k <= report.spanDays - 1; k += layout.daysPerBar, ++v) {
        std::int64_t o = 0;
        std::int64_t m = 0;
        for (int i = 0; i < layout.daysPerBar; ++i) {
            const auto date = DayNumber(firstDate + k + i);
            while (next < days.size() && days[next].date < date)
                ++next;
            if (next == days.size() || days[next].date != date)
                continue;
            const std::int64_t a = activityMinutes[next];
            const std::int64_t t = days[next].totalMinutes;
            o += a;
            m += t;
            report.concernedDays += a > 0;
            report.recordedDays += t > 0;
        }
        if (report.maxDayMinutes <= 0)
            continue;
        Bar bar;
        bar.firstDay = QDate::fromJulianDay(firstDate + k);
        bar.activityMinutes = o;
        bar.totalMinutes = m;
        bar.x1 = kChartLeft + int(v) * layout.barWidth;
        bar.x2 = std::max(bar.x1, kChartLeft + int(v + 1) * layout.barWidth - layout.barGap);
        bar.greyHeight = heightOf(m, layout.daysPerBar, report.maxDayMinutes);
        bar.redHeight = heightOf(o, layout.daysPerBar, report.maxDayMinutes);
        report.bars.push_back(bar);
    }
}

} // namespace

int barAt(const ReportByActivity &report, double x)
{
    if (report.layout.barWidth <= 0 || x < kChartLeft)
        return -1;
    const auto bar = std::int64_t((x - kChartLeft) / report.layout.barWidth);
    return bar < std::int64_t(report.bars.size()) ? int(bar) : -1;
}

QString barToolTip(const ReportByActivity &report, int bar)
{
    const Bar &b = report.bars.at(std::size_t(bar));
    if (report.layout.daysPerBar == 1)
        return QCoreApplication::translate("qm::stats::Report", "%1 : %2 (journée : %3)")
            .arg(dateText(b.firstDay), durationText(b.activityMinutes),
                durationText(b.totalMinutes));
    const QDate last = b.firstDay.addDays(report.layout.daysPerBar - 1);
    return QCoreApplication::translate("qm::stats::Report", "Du %1 au %2 : %3 (en tout : %4)")
        .arg(dateText(b.firstDay), dateText(last), durationText(b.activityMinutes),
            durationText(b.totalMinutes));
}

ReportByActivity reportByActivity(const Statistics &stats, std::int32_t activityIndex, QDate today)
{
    ReportByActivity report;
    const ActivitySummary &a = stats.activities().at(std::size_t(activityIndex));
    const auto &days = stats.days();

    std::vector<std::int64_t> activityMinutes(days.size(), 0);
    const auto &entryActivity = stats.entryActivityIndices();
    const auto &entryDay = stats.entryDayIndices();
    const auto &minutes = stats.entryMinutes();
    for (std::size_t e = 0; e < entryActivity.size(); ++e) {
        if (entryActivity[e] == activityIndex)
            activityMinutes[std::size_t(entryDay[e])] += minutes[e];
    }

    for (auto d = std::size_t(stats.firstDayFrom(a.firstDate));
         d < days.size() && days[d].date <= a.lastDate; ++d) {
        report.spanTotalMinutes += days[d].totalMinutes;
        report.maxDayMinutes = std::max(report.maxDayMinutes, days[d].totalMinutes);
    }

    report.spanDays = std::int64_t(a.lastDate) - a.firstDate + 1;
    report.layout = barLayoutFor(report.spanDays);
    report.firstDay = QDate::fromJulianDay(a.firstDate);
    report.chartWidth = int(
        roundHalfEven(double(report.spanDays) / report.layout.daysPerBar * report.layout.barWidth));
    buildBars(stats, activityMinutes, a.firstDate, report);

    const QDate first = QDate::fromJulianDay(a.firstDate);
    const QDate last = QDate::fromJulianDay(a.lastDate);
    report.title = reportTitle(stats.userName(), today);
    report.activityTitle
        = QCoreApplication::translate("qm::stats::Report", "Activité : %1").arg(a.name);
    report.yMax = durationText(report.maxDayMinutes);
    report.activityDuration = durationText(a.totalMinutes);
    report.lastDate = dateText(last);
    report.firstDate = dateText(first);
    report.spanDuration = durationText(report.spanTotalMinutes);
    report.recordedDaysText = numberText(report.recordedDays);
    // A span without recorded time has no share to show.
    const std::int64_t percent = report.spanTotalMinutes > 0
        ? flooredQuotient(a.totalMinutes * 100, report.spanTotalMinutes)
        : 0;
    report.percentText = numberText(percent) + QStringLiteral(" %");
    report.concernedDaysText = numberText(report.concernedDays);
    report.xAxis = QCoreApplication::translate("qm::stats::Report", "Période du %1 au %2")
                       .arg(dateText(first), dateText(last));
    return report;
}

} // namespace qm::stats
