#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdint>
#include <optional>

namespace qm {

// Every date-time of the programs is a wall-clock reading: a QDateTime held in UTC,
// used as a plain calendar date plus time of day. Arithmetic on it is exact day-and-second
// arithmetic, with no jump at daylight-saving changes, like the day counts the files come from.
// Milliseconds are dropped: times are whole seconds everywhere.
QDateTime makeDateTime(QDate date, QTime time);

// The given moment as the wall clock of this machine shows it, to the second.
QDateTime wallClock(const QDateTime &moment);

QDateTime addMinutes(const QDateTime &moment, std::int64_t minutes);

// The source of "now", so that the programs can be driven by a test clock.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

// A date typed by the user: day, month and year separated by "/" (two-digit years are taken
// as 1930-2029). Returns nothing for any other text.
std::optional<QDate> parseUserDate(QStringView text);

// A time of day typed by the user: "h:m" or "h:m:s". Returns nothing for any other text.
std::optional<QTime> parseUserTime(QStringView text);

// The date field of a journal line: "d/m/yyyy" with one or two digits for day and month.
QDate parseJournalDate(QByteArrayView field);

// Whole minutes from start to end, as the duration of an activity: the difference is cut to
// whole seconds (rounded down), then divided by 60 and rounded up; a result of 0 becomes 1.
std::int32_t elapsedMinutes(const QDateTime &start, const QDateTime &end);

} // namespace qm
