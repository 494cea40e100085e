#include "tracker/platform/logind_sleep.h"

namespace qm {

LogindSleep::LogindSleep(
    const QDBusConnection &bus, std::function<void(bool)> onSleep, QObject *parent)
    : QObject(parent)
    , m_onSleep(std::move(onSleep))
{
    QDBusConnection connection = bus;
    m_listening = connection.isConnected()
        && connection.connect(QStringLiteral("org.freedesktop.login1"),
            QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
            this, SLOT(prepareForSleep(bool)));
}

void LogindSleep::prepareForSleep(bool start)
{
    m_onSleep(start);
}

} // namespace qm
