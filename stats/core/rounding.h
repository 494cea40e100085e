#pragma once

#include <cmath>
#include <cstdint>

namespace qm::stats {

// Halves go to the even neighbour, as every conversion of the program's figures does.
inline std::int64_t roundHalfEven(double value)
{
    return std::int64_t(std::nearbyint(value));
}

// numerator / denominator rounded half to even, computed exactly; denominator > 0.
inline std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t q = numerator / denominator;
    std::int64_t r = numerator % denominator;
    if (r < 0) {
        r += denominator;
        --q;
    }
    const std::int64_t twice = 2 * r;
    if (twice > denominator || (twice == denominator && (q % 2 != 0)))
        ++q;
    return q;
}

// numerator / denominator rounded towards minus infinity; denominator > 0.
inline std::int64_t flooredQuotient(std::int64_t numerator, std::int64_t denominator)
{
    std::int64_t q = numerator / denominator;
    if (numerator % denominator < 0)
        --q;
    return q;
}

} // namespace qm::stats
