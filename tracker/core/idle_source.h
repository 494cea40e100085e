#pragma once

#include <QtGlobal>

#include <optional>

namespace qm {

// How long the desktop has gone without keyboard or mouse input. A locked screen counts as
// no input from the moment it was locked, so a source that knows of the lock reports at least
// the time since then.
class IdleSource
{
public:
    virtual ~IdleSource() = default;
    // Milliseconds since the last input, or nothing when the desktop cannot say at the moment.
    virtual std::optional<qint64> idleMilliseconds() = 0;
};

} // namespace qm
