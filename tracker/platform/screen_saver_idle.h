#pragma once

#include "tracker/core/idle_source.h"
#include "tracker/platform/session_idle_unit.h"

#include <QDBusConnection>
#include <QObject>

#include <functional>
#include <optional>

namespace qm {

// The desktop's screen saver service, which also says when the screen is locked: from then
// on the user counts as away, whatever the service makes of the input on its lock screen.
class ScreenSaverIdle final : public QObject, public IdleSource
{
    Q_OBJECT

public:
    // Milliseconds of a clock that never jumps.
    using SteadyClock = std::function<qint64()>;

    explicit ScreenSaverIdle(const QDBusConnection &bus, SteadyClock clock = {});
    std::optional<qint64> idleMilliseconds() override;

private slots:
    void activeChanged(bool active);

private:
    QDBusConnection m_bus;
    SteadyClock m_clock;
    SessionIdleUnit m_unit;
    std::optional<qint64> m_lockedSince;
};

} // namespace qm
