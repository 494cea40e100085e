#pragma once

#include "tracker/core/idle_source.h"

#include <QDBusConnection>

namespace qm {

// GNOME's compositor keeps the idle time itself, on X11 and on Wayland alike.
class MutterIdle final : public IdleSource
{
public:
    explicit MutterIdle(const QDBusConnection &bus);
    std::optional<qint64> idleMilliseconds() override;

private:
    QDBusConnection m_bus;
};

} // namespace qm
