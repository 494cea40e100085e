#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <cstdint>

namespace qm {

// The lenient number reading of the program's files and text boxes: leading blanks are
// skipped, then an optional sign, digits and an optional "." fraction are read up to the first
// other character. No number gives 0. The value is rounded to the nearest whole number, halves
// to the even neighbour, and clamped to the 32-bit range.
std::int32_t readRoundedNumber(QStringView text);
std::int32_t readRoundedNumber(QByteArrayView text);

// The same reading, rounded down instead (towards minus infinity).
std::int32_t readFlooredNumber(QStringView text);

// Whether the text starts (after blanks) with a number at all.
bool startsWithNumber(QStringView text);
bool startsWithNumber(QByteArrayView text);

// The same reading without any rounding of the number itself: its value times `scale` (1 to
// 90), rounded down, computed exactly in decimal. Minutes typed as "2.5" are 150 seconds with a
// scale of 60. `exact` tells whether nothing was cut off by the rounding, so that "0.001"
// (0 seconds, not exact) still counts as more than nothing. Beyond the 32-bit range the number
// is clamped to it first.
std::int64_t readScaledNumber(QStringView text, int scale, bool *exact = nullptr);

} // namespace qm
