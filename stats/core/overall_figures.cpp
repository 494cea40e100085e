#include "stats/core/overall_figures.h"

#include "journal/text_formats.h"
#include "stats/core/number_style.h"
#include "stats/core/rounding.h"
#include "stats/core/statistics.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>

namespace qm::stats {

QString twoDecimalQuotientText(std::int64_t numerator, std::int64_t denominator, QChar decimalPoint)
{
    const std::int64_t hundredths = roundedQuotient(numerator * 100, denominator);
    QString text = QString::number(hundredths / 100);
    const int cents = int(hundredths % 100);
    if (cents != 0) {
        text += decimalPoint + QString::number(cents / 10);
        if (cents % 10 != 0)
            text += QString::number(cents % 10);
    }
    return text;
}

namespace {

QString unreadableDurationsText(const Statistics &stats)
{
    const std::int64_t count = stats.unreadableDurationCount();
    const QString line = QString::number(stats.firstUnreadableDurationLine());
    if (count == 0)
        return {};
    if (count == 1)
        return QCoreApplication::translate("qm::stats::OverallFigures",
            "1 ligne du journal a une durée illisible (ligne %1) : elle compte pour 0 min.")
            .arg(line);
    return QCoreApplication::translate("qm::stats::OverallFigures",
        "%1 lignes du journal ont une durée illisible (première : ligne %2) : elles comptent "
        "pour 0 min.")
        .arg(QString::number(count), line);
}

} // namespace

OverallFigures overallFigures(const Statistics &stats)
{
    OverallFigures f;
    const std::int64_t entries = stats.entryCount();
    const std::int64_t days = stats.dayCount();
    const std::int64_t total = stats.totalMinutes();
    f.entryCount = numberText(entries);
    f.earliestDate = dateText(stats.earliestDate());
    f.latestDate = dateText(stats.latestDate());
    f.activityCount = numberText(stats.activityCount());
    f.dayCount = numberText(days);
    // Without any day there is nothing to divide: the averages read as zero.
    f.entriesPerDay = days > 0
        ? u' ' + twoDecimalQuotientText(entries, days, uiNumberStyle().decimalPoint)
        : numberText(0);
    f.totalDuration = durationText(total);
    f.durationPerDay = durationText(days > 0 ? roundedQuotient(total, days) : 0);
    f.durationPerEntry = durationText(entries > 0 ? roundedQuotient(total, entries) : 0);
    f.unreadableDurations = unreadableDurationsText(stats);
    return f;
}

std::vector<std::int32_t> activityListOrder(const Statistics &stats)
{
    const auto &activities = stats.activities();
    std::vector<std::int32_t> order(activities.size());
    std::iota(order.begin(), order.end(), 0);
    // Names are distinct, so a stable sort gives exactly the list that inserting each name
    // before the first greater one builds.
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        return QString::compare(activities[std::size_t(a)].name, activities[std::size_t(b)].name,
                   Qt::CaseSensitive)
            < 0;
    });
    return order;
}

} // namespace qm::stats
