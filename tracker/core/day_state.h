#pragma once

#include "journal/datetime.h"
#include "tracker/core/app_state.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace qm {

// The day being logged: its date, the current activity, the change time proposed and the
// day's counters. Only Day changes it, through its operations; everyone else reads it.
class DayState
{
public:
    // The current activity's duration while it has not ended.
    static constexpr std::int32_t kRunning = -1;

    bool isRunning() const { return m_currentDuration == kRunning; }

    // The date as the journal and the day file write it, "dd/MM/yyyy".
    const QString &dayDate() const { return m_dayDate; }
    // The same date, invalid when the text is no date.
    QDate loggedDay() const { return parseUserDate(m_dayDate).value_or(QDate()); }
    const QString &currentActivity() const { return m_currentActivity; }
    const QString &currentComment() const { return m_currentComment; }
    const QDateTime &currentStart() const { return m_currentStart; }
    std::int32_t currentDuration() const { return m_currentDuration; }
    const QDateTime &changeTime() const { return m_changeTime; }
    std::int16_t dayActivityCount() const { return m_dayActivityCount; }
    std::int16_t historyRowOffset() const { return m_historyRowOffset; }
    std::int32_t dayTotalMinutes() const { return m_dayTotalMinutes; }
    std::int32_t dayTotalWithoutPauseMinutes() const { return m_dayTotalWithoutPauseMinutes; }

private:
    friend class Day;

    QString m_dayDate;
    QString m_currentActivity = kStartActivity.toString();
    QString m_currentComment;
    QDateTime m_currentStart;
    std::int32_t m_currentDuration = kRunning;
    QDateTime m_changeTime;
    std::int16_t m_dayActivityCount = 0;
    std::int16_t m_historyRowOffset = 0;
    std::int32_t m_dayTotalMinutes = 0;
    std::int32_t m_dayTotalWithoutPauseMinutes = 0;
};

} // namespace qm
