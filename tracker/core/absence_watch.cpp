#include "tracker/core/absence_watch.h"

#include "journal/datetime.h"
#include "tracker/core/idle_source.h"

#include <algorithm>

namespace qm {

namespace {

// The moment of the last input, rounded down to the second: the day's times are whole seconds.
QDateTime lastInput(const QDateTime &at, qint64 idleMs)
{
    return at.addSecs(-((idleMs + 999) / 1000));
}

} // namespace

AbsenceWatch::AbsenceWatch(IdleSource &source, const Clock &clock,
    std::function<void(const Absence &)> onAbsence, QObject *parent)
    : QObject(parent)
    , m_source(source)
    , m_clock(clock)
    , m_onAbsence(std::move(onAbsence))
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire a little early, and then more often than every 10 seconds.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AbsenceWatch::look);
}

void AbsenceWatch::watch(int thresholdMinutes)
{
    if (isWatching()) {
        if (thresholdMinutes != m_thresholdMinutes) {
            m_thresholdMinutes = thresholdMinutes;
            lookAgainIn(kShortestWaitMs);
        }
        return;
    }
    m_thresholdMinutes = thresholdMinutes;
    m_last.reset();
    look();
}

void AbsenceWatch::stop()
{
    m_timer.stop();
    m_last.reset();
}

void AbsenceWatch::look()
{
    const QDateTime now = m_clock.now();
    const std::optional<qint64> idle = m_source.idleMilliseconds();
    if (!idle || *idle < 0) {
        // Without a reading the return cannot be told from a stretch that goes on.
        m_last.reset();
        lookAgainIn(thresholdMs());
        return;
    }
    const std::optional<Reading> last = m_last;
    m_last = Reading { now, *idle };
    lookAgainIn(*idle >= thresholdMs() ? 0 : thresholdMs() - *idle);
    // The idle time only ever grows until input comes back.
    if (last && last->idleMs >= thresholdMs() && *idle < last->idleMs)
        m_onAbsence(
            { lastInput(last->at, last->idleMs), std::max(last->at, lastInput(now, *idle)) });
}

void AbsenceWatch::lookAgainIn(qint64 ms)
{
    m_timer.start(int(std::max<qint64>(ms, kShortestWaitMs)));
}

} // namespace qm
