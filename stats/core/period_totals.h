#pragma once

#include "stats/core/statistics.h"

#include <cstdint>
#include <span>
#include <vector>

namespace qm::stats {

// The entries dated from `first` to `last`, both included, by ascending date.
std::span<const std::int32_t> periodEntries(
    const Statistics &stats, DayNumber first, DayNumber last);

// Each activity's minutes in a period, and the order the exports list them in.
struct PeriodTotals
{
    std::vector<std::int64_t> minutes; // by activity index
    // The activities with time in the period, most minutes first, equal ones in the order they
    // first appear in it.
    std::vector<std::size_t> order;
    std::int64_t total = 0;
};

PeriodTotals periodTotals(const Statistics &stats, DayNumber first, DayNumber last);

} // namespace qm::stats
