#include "tracker/platform/mutter_idle.h"

#include "tracker/platform/bus_call.h"

#include <QDBusReply>

namespace qm {

MutterIdle::MutterIdle(const QDBusConnection &bus)
    : m_bus(bus)
{ }

std::optional<qint64> MutterIdle::idleMilliseconds()
{
    const QDBusReply<quint64> reply
        = callQuickly(m_bus, QStringLiteral("org.gnome.Mutter.IdleMonitor"),
            QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
            QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
    if (!reply.isValid())
        return std::nullopt;
    return qint64(reply.value());
}

} // namespace qm
