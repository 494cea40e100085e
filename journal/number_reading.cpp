#include "journal/number_reading.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace qm {

namespace {

enum class Rounding { HalfEven, Floor };

// Exact decimal reading: the integer part saturates, the fraction only decides the rounding.
template<typename Char>
std::int32_t readNumber(const Char *p, const Char *end, Rounding rounding, bool *found = nullptr)
{
    auto ch = [](Char c) {
        return char16_t(static_cast<std::make_unsigned_t<Char>>(c));
    };
    while (p != end && (ch(*p) == u' ' || ch(*p) == u'\t'))
        ++p;
    bool negative = false;
    if (p != end && (ch(*p) == u'-' || ch(*p) == u'+')) {
        negative = ch(*p) == u'-';
        ++p;
    }
    constexpr std::int64_t kLimit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t whole = 0;
    bool anyDigit = false;
    while (p != end && ch(*p) >= u'0' && ch(*p) <= u'9') {
        anyDigit = true;
        if (whole < kLimit)
            whole = whole * 10 + (ch(*p) - u'0');
        ++p;
    }
    // Fraction: first digit and whether anything non-zero follows.
    int firstFraction = 0;
    bool restNonZero = false;
    if (p != end && ch(*p) == u'.') {
        ++p;
        bool first = true;
        while (p != end && ch(*p) >= u'0' && ch(*p) <= u'9') {
            anyDigit = true;
            const int d = ch(*p) - u'0';
            if (first)
                firstFraction = d;
            else if (d != 0)
                restNonZero = true;
            first = false;
            ++p;
        }
    }
    if (found)
        *found = anyDigit;
    if (!anyDigit)
        return 0;

    const bool hasFraction = firstFraction != 0 || restNonZero;
    std::int64_t magnitude = whole;
    if (rounding == Rounding::HalfEven) {
        const bool above = firstFraction > 5 || (firstFraction == 5 && restNonZero);
        const bool half = firstFraction == 5 && !restNonZero;
        if (above || (half && (whole % 2 == 1)))
            ++magnitude;
    } else if (negative && hasFraction) {
        ++magnitude; // floor of a negative number moves away from zero
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    value = std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    return std::int32_t(value);
}

} // namespace

std::int32_t readRoundedNumber(QStringView text)
{
    return readNumber(text.utf16(), text.utf16() + text.size(), Rounding::HalfEven);
}

std::int32_t readRoundedNumber(QByteArrayView text)
{
    return readNumber(text.data(), text.data() + text.size(), Rounding::HalfEven);
}

std::int32_t readFlooredNumber(QStringView text)
{
    return readNumber(text.utf16(), text.utf16() + text.size(), Rounding::Floor);
}

bool startsWithNumber(QStringView text)
{
    bool found = false;
    readNumber(text.utf16(), text.utf16() + text.size(), Rounding::HalfEven, &found);
    return found;
}

} // namespace qm
