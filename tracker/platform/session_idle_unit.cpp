#include "tracker/platform/session_idle_unit.h"

#include <cstdlib>

namespace qm {

namespace {

// Below this gap a count of seconds has not had the time to grow reliably.
constexpr qint64 kShortestGapMs = 2000;
// A whole count of seconds is truncated at both readings, and each call takes a little time.
constexpr qint64 kSecondsSlackMs = 1500;
// A count of milliseconds also lags by the calls' own time.
constexpr qint64 kMillisecondsSlackMs = 500;
// A user at work can make a count of milliseconds look like seconds once by chance; several
// gaps in a row cannot.
constexpr int kSecondsEvidence = 3;
constexpr qint64 kMsPerSecond = 1000;

} // namespace

qint64 SessionIdleUnit::milliseconds(quint32 reading, qint64 now)
{
    if (m_unit == Unit::Undecided)
        learn(reading, now);
    return m_unit == Unit::Seconds ? qint64(reading) * kMsPerSecond : qint64(reading);
}

void SessionIdleUnit::learn(quint32 reading, qint64 now)
{
    if (!m_last || reading < m_last->reading) {
        // Input came: the next gap starts here.
        m_last = Sample { reading, now };
        m_secondsInARow = 0;
        return;
    }
    const qint64 gap = now - m_last->at;
    if (gap < kShortestGapMs)
        return;
    const qint64 growth = qint64(reading) - qint64(m_last->reading);
    m_last = Sample { reading, now };
    if (std::llabs(growth - gap) <= gap / 10 + kMillisecondsSlackMs) {
        m_unit = Unit::Milliseconds;
        return;
    }
    const bool secondsGrowth = std::llabs(growth * kMsPerSecond - gap) <= kSecondsSlackMs;
    m_secondsInARow = secondsGrowth ? m_secondsInARow + 1 : 0;
    if (m_secondsInARow >= kSecondsEvidence)
        m_unit = Unit::Seconds;
}

} // namespace qm
