#pragma once

#include "journal/day_file.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace qm {

// Corrections of the day's finished rows, as changes made right at the time would have left
// them. `lines` are the day's activities in order, as the day file holds them; the last one
// has no minutes while it runs. Only one boundary ever moves: the one a correction names.
class DayCorrection
{
public:
    DayCorrection(QList<DayLine> lines, const QString &dayDate);

    const DayLine &line(int index) const { return m_lines.at(index); }
    // A finished row: not the one running.
    bool isCorrectable(int index) const;
    // The first row of the day has no row before it to take its time.
    bool isRemovable(int index) const { return index >= 1 && isCorrectable(index); }

    // The earliest and latest start the row may take: a minute after the previous row's start
    // (any time of the day for the first row), a minute before the row's own end.
    QDateTime earliestStart(int index) const;
    QDateTime latestStart(int index) const;

    // The row starts at `start` (within the range above), the previous row ending then; its end
    // stays. Nullopt when the start is out of range.
    std::optional<QList<DayLine>> corrected(
        int index, const QDateTime &start, const QString &activity, const QString &comment) const;
    // The row goes, the previous row running on until the row's end.
    QList<DayLine> removed(int index) const;

private:
    QDateTime startOf(int index) const;
    // Where the row ended: at the next row's start when the change to it closed the row, else
    // at its start plus its minutes (a duration typed in advance).
    QDateTime endOf(int index) const;
    bool endsAtNextStart(int index) const;

    QList<DayLine> m_lines;
    QString m_dayDate;
};

} // namespace qm
