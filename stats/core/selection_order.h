#pragma once

#include <cstdint>
#include <vector>

namespace qm::stats {

// The order in which a selection sort, largest first, leaves the keys: at each position it
// takes the first largest key of the rest and swaps it there. Such a sort is not stable, and
// the report's order of equal shares is the one it gives, so it is reproduced exactly; a
// tournament tree finds each maximum in log n steps instead of scanning the rest.
// Returns the original positions in their sorted order.
std::vector<std::int32_t> selectionSortOrder(const std::vector<float> &keys);

} // namespace qm::stats
