#include "tracker/platform/screen_saver_idle.h"

#include "tracker/platform/bus_call.h"

#include <QDBusReply>
#include <QElapsedTimer>

#include <algorithm>

namespace qm {

namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kInterface = QStringLiteral("org.freedesktop.ScreenSaver");

ScreenSaverIdle::SteadyClock systemSteadyClock()
{
    QElapsedTimer timer;
    timer.start();
    return [timer] {
        return timer.elapsed();
    };
}

} // namespace

ScreenSaverIdle::ScreenSaverIdle(const QDBusConnection &bus, SteadyClock clock)
    : m_bus(bus)
    , m_clock(clock ? std::move(clock) : systemSteadyClock())
{
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActiveChanged"), this,
        SLOT(activeChanged(bool)));
    // Locked before the watch began: the lock's own moment is unknown, and now is the latest
    // it can have been.
    const QDBusReply<bool> active
        = callQuickly(m_bus, kService, kPath, kInterface, QStringLiteral("GetActive"));
    if (active.isValid() && active.value())
        m_lockedSince = m_clock();
}

std::optional<qint64> ScreenSaverIdle::idleMilliseconds()
{
    const QDBusReply<uint> reply
        = callQuickly(m_bus, kService, kPath, kInterface, QStringLiteral("GetSessionIdleTime"));
    if (!reply.isValid())
        return std::nullopt;
    const qint64 now = m_clock();
    const qint64 idle = m_unit.milliseconds(reply.value(), now);
    return m_lockedSince ? std::max(idle, now - *m_lockedSince) : idle;
}

void ScreenSaverIdle::activeChanged(bool active)
{
    if (!active)
        m_lockedSince.reset();
    else if (!m_lockedSince)
        m_lockedSince = m_clock();
}

} // namespace qm
