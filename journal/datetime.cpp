#include "journal/datetime.h"

#include <algorithm>
#include <limits>

namespace qm {

QDateTime makeDateTime(QDate date, QTime time)
{
    // The files and the windows show whole seconds: a millisecond left over would make a
    // duration computed from two shown times come out a minute short.
    if (time.isValid())
        time = QTime(time.hour(), time.minute(), time.second());
    return QDateTime(date, time, Qt::UTC);
}

QDateTime wallClock(const QDateTime &moment)
{
    const QDateTime local = moment.toLocalTime();
    return makeDateTime(local.date(), local.time());
}

QDateTime addMinutes(const QDateTime &moment, std::int64_t minutes)
{
    return moment.addSecs(minutes * 60);
}

QDateTime SystemClock::now() const
{
    return wallClock(QDateTime::currentDateTime());
}

namespace {

// Digits only, at most `maxDigits` of them, surrounded by optional blanks.
std::optional<int> readField(QStringView text, int maxDigits)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

std::optional<QDate> parseUserDate(QStringView text)
{
    if (!text.contains(u'/'))
        return std::nullopt;
    const auto parts = text.split(u'/');
    if (parts.size() != 3)
        return std::nullopt;
    const auto day = readField(parts[0], 2);
    const auto month = readField(parts[1], 2);
    const auto yearText = parts[2].trimmed();
    const auto year = readField(yearText, 4);
    if (!day || !month || !year || yearText.size() == 3)
        return std::nullopt;
    int y = *year;
    if (yearText.size() <= 2)
        y += y < 30 ? 2000 : 1900;
    const QDate date(y, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QTime> parseUserTime(QStringView text)
{
    const auto parts = text.split(u':');
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const auto h = readField(parts[0], 2);
    const auto m = readField(parts[1], 2);
    const auto s = parts.size() == 3 ? readField(parts[2], 2) : std::optional<int>(0);
    if (!h || !m || !s)
        return std::nullopt;
    const QTime time(*h, *m, *s);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QDate parseJournalDate(QByteArrayView field)
{
    // A journal edited by hand may carry blanks around its dates; they still name the day.
    field = field.trimmed();
    int values[3] = { 0, 0, 0 };
    int digits[3] = { 0, 0, 0 };
    int part = 0;
    for (char c : field) {
        if (c == '/') {
            if (++part > 2)
                return {};
        } else if (c >= '0' && c <= '9') {
            if (++digits[part] > 4)
                return {};
            values[part] = values[part] * 10 + (c - '0');
        } else {
            return {};
        }
    }
    if (part != 2 || digits[0] == 0 || digits[0] > 2 || digits[1] == 0 || digits[1] > 2
        || digits[2] != 4)
        return {};
    return QDate(values[2], values[1], values[0]);
}

std::int32_t elapsedMinutes(const QDateTime &start, const QDateTime &end)
{
    const qint64 ms = start.msecsTo(end);
    // Whole seconds, rounded down.
    const qint64 s = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    // Whole minutes, rounded down.
    const qint64 q = s >= 0 ? s / 60 : -((-s + 59) / 60);
    const bool fractional = q * 60 != s;
    const qint64 minutes = (fractional || q == 0) ? q + 1 : q;
    return std::int32_t(std::clamp<qint64>(minutes, std::numeric_limits<std::int32_t>::min(),
        std::numeric_limits<std::int32_t>::max()));
}

} // namespace qm
