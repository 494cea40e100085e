#include "journal/number_reading.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>
#include <type_traits>

namespace qm {

namespace {

constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
// Fraction digits kept exactly; anything beyond only tells whether the fraction goes on.
constexpr int kFractionDigits = 17;

// The leading number as written, in decimal, so that no rounding happens before the caller's.
struct Decimal
{
    bool found = false;
    bool negative = false;
    std::int64_t whole = 0; // saturates just above the 32-bit range
    std::int64_t fraction = 0; // the first kFractionDigits digits after the "."
    std::int64_t fractionScale = 1; // 10 to the number of digits in `fraction`
    bool fractionTail = false; // a non-zero digit beyond those

    bool hasFraction() const { return fraction != 0 || fractionTail; }
};

template<typename Char> Decimal readDecimal(const Char *p, const Char *end)
{
    auto ch = [](Char c) {
        return char16_t(static_cast<std::make_unsigned_t<Char>>(c));
    };
    auto isDigit = [&](const Char *q) {
        return q != end && ch(*q) >= u'0' && ch(*q) <= u'9';
    };
    while (p != end && (ch(*p) == u' ' || ch(*p) == u'\t'))
        ++p;
    Decimal number;
    if (p != end && (ch(*p) == u'-' || ch(*p) == u'+')) {
        number.negative = ch(*p) == u'-';
        ++p;
    }
    for (; isDigit(p); ++p) {
        number.found = true;
        if (number.whole <= kInt32Max)
            number.whole = number.whole * 10 + (ch(*p) - u'0');
    }
    if (p != end && ch(*p) == u'.') {
        int digits = 0;
        for (++p; isDigit(p); ++p, ++digits) {
            number.found = true;
            const int d = ch(*p) - u'0';
            if (digits < kFractionDigits) {
                number.fraction = number.fraction * 10 + d;
                number.fractionScale *= 10;
            } else if (d != 0) {
                number.fractionTail = true;
            }
        }
    }
    return number.found ? number : Decimal {};
}

std::int32_t clampToInt32(std::int64_t value)
{
    return std::int32_t(std::clamp(value, kInt32Min, kInt32Max));
}

std::int32_t rounded(const Decimal &number)
{
    std::int64_t magnitude = number.whole;
    const std::int64_t half = number.fractionScale / 2;
    if (number.fractionScale > 1) {
        const bool above
            = number.fraction > half || (number.fraction == half && number.fractionTail);
        const bool exactHalf = number.fraction == half && !number.fractionTail;
        if (above || (exactHalf && magnitude % 2 == 1))
            ++magnitude;
    }
    return clampToInt32(number.negative ? -magnitude : magnitude);
}

std::int32_t floored(const Decimal &number)
{
    // The floor of a negative number moves away from zero.
    const std::int64_t magnitude = number.whole + (number.negative && number.hasFraction() ? 1 : 0);
    return clampToInt32(number.negative ? -magnitude : magnitude);
}

Decimal readDecimal(QStringView text)
{
    return readDecimal(text.utf16(), text.utf16() + text.size());
}

} // namespace

std::int32_t readRoundedNumber(QStringView text)
{
    return rounded(readDecimal(text));
}

std::int32_t readRoundedNumber(QByteArrayView text)
{
    return rounded(readDecimal(text.data(), text.data() + text.size()));
}

std::int32_t readFlooredNumber(QStringView text)
{
    return floored(readDecimal(text));
}

bool startsWithNumber(QStringView text)
{
    return readDecimal(text).found;
}

bool startsWithNumber(QByteArrayView text)
{
    return readDecimal(text.data(), text.data() + text.size()).found;
}

std::int64_t readScaledNumber(QStringView text, int scale, bool *exact)
{
    Q_ASSERT(scale >= 1 && scale <= 90);
    const Decimal number = readDecimal(text);
    const std::int64_t limit = number.negative ? -kInt32Min : kInt32Max;
    if (number.whole > limit || (number.whole == limit && number.hasFraction())) {
        if (exact)
            *exact = false;
        return (number.negative ? -limit : limit) * scale;
    }
    const std::int64_t scaledFraction = number.fraction * scale;
    const bool remainder = scaledFraction % number.fractionScale != 0 || number.fractionTail;
    const std::int64_t magnitude = number.whole * scale + scaledFraction / number.fractionScale;
    if (exact)
        *exact = !remainder;
    // Rounded down, so a negative value with a remainder moves away from zero.
    return number.negative ? -magnitude - (remainder ? 1 : 0) : magnitude;
}

} // namespace qm
