#include "tracker/core/day_correction.h"

#include "journal/datetime.h"
#include "journal/number_reading.h"
#include "journal/text_formats.h"
#include "tracker/core/day.h"

#include <algorithm>

namespace qm {

DayCorrection::DayCorrection(QList<DayLine> lines, const QString &dayDate)
    : m_lines(std::move(lines))
    , m_dayDate(dayDate)
{ }

bool DayCorrection::isCorrectable(int index) const
{
    return index >= 0 && index < m_lines.size() && !m_lines.at(index).minutesText.isEmpty()
        && startOf(index).isValid();
}

QDateTime DayCorrection::startOf(int index) const
{
    return dateTimeOfDay(m_dayDate, m_lines.at(index).start);
}

bool DayCorrection::endsAtNextStart(int index) const
{
    if (index + 1 >= m_lines.size())
        return false;
    const QDateTime next = startOf(index + 1);
    return next.isValid()
        && readRoundedNumber(m_lines.at(index).minutesText) == elapsedMinutes(startOf(index), next);
}

QDateTime DayCorrection::endOf(int index) const
{
    if (endsAtNextStart(index))
        return startOf(index + 1);
    return addMinutes(startOf(index), readRoundedNumber(m_lines.at(index).minutesText));
}

QDateTime DayCorrection::earliestStart(int index) const
{
    if (index >= 1 && startOf(index - 1).isValid())
        return addMinutes(startOf(index - 1), 1);
    return makeDateTime(startOf(index).date(), QTime(0, 0));
}

QDateTime DayCorrection::latestStart(int index) const
{
    // A row of one minute or less keeps its start.
    return std::max(addMinutes(endOf(index), -1), startOf(index));
}

std::optional<QList<DayLine>> DayCorrection::corrected(
    int index, const QDateTime &start, const QString &activity, const QString &comment) const
{
    if (!isCorrectable(index) || !start.isValid()
        || (start != startOf(index)
            && (start < earliestStart(index) || start > latestStart(index))))
        return std::nullopt;
    QList<DayLine> lines = m_lines;
    if (index >= 1 && start != startOf(index) && startOf(index - 1).isValid()) {
        DayLine &previous = lines[index - 1];
        const std::int32_t upToStart = elapsedMinutes(startOf(index - 1), start);
        // A duration typed in advance stays, unless the new start cuts it short.
        const std::int32_t minutes = endsAtNextStart(index - 1)
            ? upToStart
            : std::min(upToStart, readRoundedNumber(previous.minutesText));
        previous.minutesText = numberText(minutes);
    }
    DayLine &line = lines[index];
    if (start != startOf(index))
        line.minutesText = numberText(elapsedMinutes(start, endOf(index)));
    line.start = timeText(start.time());
    line.activity = activity;
    line.comment = storableText(comment);
    return lines;
}

QList<DayLine> DayCorrection::removed(int index) const
{
    if (!isRemovable(index) || !startOf(index - 1).isValid())
        return m_lines;
    QList<DayLine> lines = m_lines;
    lines[index - 1].minutesText = numberText(elapsedMinutes(startOf(index - 1), endOf(index)));
    lines.removeAt(index);
    return lines;
}

} // namespace qm
