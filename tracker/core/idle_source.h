#pragma once

#include <QtGlobal>

#include <optional>

#include <time.h>

namespace qm {

// How long the desktop has gone without keyboard or mouse input. A locked screen counts as
// no input from the moment it was locked, so a source that knows of the lock reports at least
// the time since then. Like the timers, the count runs on the monotonic clock: it stands still
// while the machine sleeps.
class IdleSource
{
public:
    virtual ~IdleSource() = default;
    // Milliseconds since the last input, or nothing when the desktop cannot say at the moment.
    virtual std::optional<qint64> idleMilliseconds() = 0;
};

// The two clocks that the user cannot set: the monotonic one, which stops while the machine
// sleeps, and the boot-time one, which does not. Their difference grows by the time asleep.
class SteadyClocks
{
public:
    virtual ~SteadyClocks() = default;
    virtual qint64 monotonicMs() const = 0;
    virtual qint64 bootMs() const = 0;
};

class SystemSteadyClocks final : public SteadyClocks
{
public:
    qint64 monotonicMs() const override { return read(CLOCK_MONOTONIC); }
    qint64 bootMs() const override { return read(CLOCK_BOOTTIME); }

private:
    static qint64 read(clockid_t id)
    {
        timespec reading {};
        clock_gettime(id, &reading);
        return qint64(reading.tv_sec) * 1000 + reading.tv_nsec / 1'000'000;
    }
};

} // namespace qm
