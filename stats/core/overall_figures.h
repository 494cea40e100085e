#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace qm::stats {

class Statistics;

// The nine global figures of the main window, as their labels show them.
struct OverallFigures
{
    QString entryCount; // lblNE
    QString earliestDate; // lblDmin
    QString latestDate; // lblDmax
    QString activityCount; // lblNA
    QString dayCount; // lblNJ
    QString entriesPerDay; // lblAJ
    QString totalDuration; // lblDU
    QString durationPerDay; // lblDJ
    QString durationPerEntry; // lblDE
    // The line under the figures about entries whose duration could not be read; empty when
    // every duration could.
    QString unreadableDurations; // lblUnreadableDurations
};

OverallFigures overallFigures(const Statistics &stats);

// numerator / denominator rounded to two decimals, halves to even, without trailing zeros, with
// the decimal point of the windows' language whatever the system's locale: "2,5", "3", "0,33" in
// French. Numerator >= 0, denominator > 0.
QString twoDecimalQuotientText(
    std::int64_t numerator, std::int64_t denominator, QChar decimalPoint);

// The activity indices in the order of the activity list: names compared code unit by code
// unit, so capitals come before small letters and accented letters after both.
std::vector<std::int32_t> activityListOrder(const Statistics &stats);

} // namespace qm::stats
