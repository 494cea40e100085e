#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace qm {

class Clock;
class IdleSource;
class SteadyClocks;

// A stretch without input: from the last input before it to the input that ended it, both to
// the second.
struct Absence
{
    QDateTime start;
    QDateTime end;

    bool operator==(const Absence &other) const = default;
};

// Watches the desktop's idle time and hands on each absence that reached the threshold once
// input has come back. It looks as seldom as it can: while the user works, only when the
// threshold could first be reached; once it is reached, every 10 seconds, so that the return
// is seen soon. Never more often than that, so that the program stays idle itself.
//
// The idle count and the timers run on the monotonic clock, the absence on the wall clock:
// each look reads both, with the boot-time clock, so that the time the machine slept counts as
// away, and a wall clock set by hand is re-anchored on rather than taken for an absence.
class AbsenceWatch : public QObject
{
public:
    static constexpr int kShortestWaitMs = 10'000;

    // Wall and boot-time advances between two looks may differ by this much before the wall
    // clock is taken as set by hand.
    static constexpr qint64 kClockChangeMs = 5'000;

    AbsenceWatch(IdleSource &source, const Clock &clock, const SteadyClocks &steady,
        std::function<void(const Absence &)> onAbsence, QObject *parent = nullptr);

    // Starts the watch, or goes on with the new threshold when it already runs.
    void watch(int thresholdMinutes);
    // Stops the watch and forgets what it saw: an absence never spans two watches.
    void stop();
    bool isWatching() const { return m_timer.isActive(); }
    // Milliseconds until the next look; -1 when the watch is stopped.
    int nextLookMs() const { return isWatching() ? m_timer.interval() : -1; }

    // One look at the idle time, as the timer takes it.
    void look();

    // The session tells the machine is about to sleep, and that it woke up: a look before
    // the sleep notes the last input, one at the wake-up counts the whole sleep as away.
    void sleeping();
    void wokeUp();

private:
    struct Reading
    {
        QDateTime at;
        qint64 idleMs;
        qint64 monotonicMs;
        qint64 bootMs;
        // The last input on the wall clock, to the second; earlier than at - idleMs by the
        // time the machine slept since.
        QDateTime input;
    };

    qint64 thresholdMs() const { return qint64(m_thresholdMinutes) * 60'000; }
    void lookAgainIn(qint64 ms);
    // Hands on the stretch when it reached the threshold, never past now.
    void found(const QDateTime &start, const QDateTime &end, const QDateTime &now);

    IdleSource &m_source;
    const Clock &m_clock;
    const SteadyClocks &m_steady;
    std::function<void(const Absence &)> m_onAbsence;
    QTimer m_timer;
    int m_thresholdMinutes = 0;
    std::optional<Reading> m_last;
    bool m_asleep = false;
};

} // namespace qm
