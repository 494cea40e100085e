#include "tracker/core/absence_watch.h"

#include "journal/datetime.h"
#include "tracker/core/idle_source.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qm {

namespace {

// The moment of the last input, rounded down to the second: the day's times are whole seconds.
QDateTime lastInput(const QDateTime &at, qint64 idleMs)
{
    return at.addSecs(-((idleMs + 999) / 1000));
}

} // namespace

AbsenceWatch::AbsenceWatch(IdleSource &source, const Clock &clock, const SteadyClocks &steady,
    std::function<void(const Absence &)> onAbsence, QObject *parent)
    : QObject(parent)
    , m_source(source)
    , m_clock(clock)
    , m_steady(steady)
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
    m_asleep = false;
}

void AbsenceWatch::look()
{
    const QDateTime now = m_clock.now();
    const qint64 monotonic = m_steady.monotonicMs();
    const qint64 boot = m_steady.bootMs();
    const std::optional<qint64> idle = m_source.idleMilliseconds();
    // Only the look at the wake-up knows from the session that the machine slept since the last.
    const bool signalled = std::exchange(m_asleep, false);
    if (!idle || *idle < 0) {
        // Without a reading the return cannot be told from a stretch that goes on.
        m_last.reset();
        lookAgainIn(thresholdMs());
        return;
    }
    Reading reading { now, *idle, monotonic, boot, lastInput(now, *idle) };
    if (std::optional<Reading> last = m_last) {
        const qint64 awake = monotonic - last->monotonicMs;
        qint64 wall = last->at.msecsTo(now);
        const qint64 sinceBoot = boot - last->bootMs;
        if (!signalled && std::abs(wall - sinceBoot) > kClockChangeMs) {
            // The wall clock was set: what the last look saw moves onto the new clock, so that
            // nothing is computed across the change, and a return seen only now still counts.
            const qint64 setSecs = std::llround(double(wall - sinceBoot) / 1000);
            last->at = last->at.addSecs(setSecs);
            last->input = last->input.addSecs(setSecs);
            wall = last->at.msecsTo(now);
        }
        // The session's word explains the wall clock's advance even where the boot-time clock
        // missed the sleep.
        const qint64 slept = std::max<qint64>(0, (signalled ? wall : sinceBoot) - awake);
        // Whether the idle count ran on through the whole stretch: no input came then.
        const bool quiet = *idle + 1000 >= last->idleMs + awake;
        if (slept > kClockChangeMs) {
            // The count did not run while asleep. Without input the last one is the one seen
            // before; otherwise it came at the latest before the sleep, and the user is taken
            // as away since then.
            reading.input
                = quiet ? last->input : std::max(last->input, lastInput(now, *idle + slept));
        } else if (!quiet || *idle < last->idleMs) {
            // Input came back since the last look. After a wake-up the count starts small, so
            // a count that grew is no proof of a quiet stretch: it must have grown by the whole
            // time awake. The user was away once the last look saw the threshold reached.
            if (last->input.msecsTo(last->at) >= thresholdMs())
                found(last->input, std::max(last->at, reading.input), now);
        } else {
            reading.input = std::min(last->input, reading.input);
        }
    }
    m_last = reading;
    const qint64 away = reading.input.msecsTo(now);
    lookAgainIn(away >= thresholdMs() ? 0 : thresholdMs() - away);
}

void AbsenceWatch::sleeping()
{
    if (!isWatching())
        return;
    look();
    m_asleep = true;
}

void AbsenceWatch::wokeUp()
{
    if (isWatching())
        look();
}

void AbsenceWatch::found(const QDateTime &start, const QDateTime &end, const QDateTime &now)
{
    const QDateTime until = std::min(end, now);
    if (start.msecsTo(until) >= thresholdMs())
        m_onAbsence({ start, until });
}

void AbsenceWatch::lookAgainIn(qint64 ms)
{
    m_timer.start(int(std::max<qint64>(ms, kShortestWaitMs)));
}

} // namespace qm
