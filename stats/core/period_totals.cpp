#include "stats/core/period_totals.h"

#include <algorithm>

namespace qm::stats {

std::span<const std::int32_t> periodEntries(
    const Statistics &stats, DayNumber first, DayNumber last)
{
    const std::vector<std::int32_t> &byDate = stats.entriesByDate();
    const std::vector<DayNumber> &dates = stats.entryDates();
    const auto begin = std::lower_bound(byDate.begin(), byDate.end(), first,
        [&](std::int32_t entry, DayNumber date) { return dates[std::size_t(entry)] < date; });
    const auto end = std::upper_bound(begin, byDate.end(), last,
        [&](DayNumber date, std::int32_t entry) { return date < dates[std::size_t(entry)]; });
    return { begin, end };
}

PeriodTotals periodTotals(const Statistics &stats, DayNumber first, DayNumber last)
{
    const auto count = std::size_t(stats.activityCount());
    PeriodTotals totals;
    totals.minutes.assign(count, 0);
    // Where each activity first appears in the period: the order of equal totals.
    std::vector<std::size_t> firstSeen(count, SIZE_MAX);
    const auto &entryMinutes = stats.entryMinutes();
    const auto &activity = stats.entryActivityIndices();
    std::size_t seen = 0;
    for (const std::int32_t e : periodEntries(stats, first, last)) {
        const auto entry = std::size_t(e);
        const auto a = std::size_t(activity[entry]);
        totals.minutes[a] += entryMinutes[entry];
        totals.total += entryMinutes[entry];
        if (firstSeen[a] == SIZE_MAX)
            firstSeen[a] = seen++;
    }
    for (std::size_t a = 0; a < count; ++a) {
        if (totals.minutes[a] != 0)
            totals.order.push_back(a);
    }
    const std::vector<std::int64_t> &minutes = totals.minutes;
    std::sort(totals.order.begin(), totals.order.end(), [&](std::size_t x, std::size_t y) {
        return minutes[x] != minutes[y] ? minutes[x] > minutes[y] : firstSeen[x] < firstSeen[y];
    });
    return totals;
}

} // namespace qm::stats
