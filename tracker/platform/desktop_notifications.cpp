#include "tracker/platform/desktop_notifications.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace qm {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kChange = QStringLiteral("switch");
const QString kContinue = QStringLiteral("continue");
// What a click on the notification's body invokes.
const QString kDefault = QStringLiteral("default");
// A stuck service must not freeze the windows.
constexpr int kCallMs = 2000;

} // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_bus(bus)
{
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
        SLOT(actionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
        SLOT(notificationClosed(uint, uint)));
}

bool DesktopNotifications::isAvailable() const
{
    const QDBusConnectionInterface *bus = m_bus.interface();
    if (!m_bus.isConnected() || !bus)
        return false;
    return bus->isServiceRegistered(kService)
        || bus->activatableServiceNames().value().contains(kService);
}

bool DesktopNotifications::show(const QString &summary, const QString &body)
{
    QDBusMessage notify
        = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QStringList actions { kDefault, QString(), kChange,
        QCoreApplication::translate("qm::DesktopNotifications", "Changer d'activité"), kContinue,
        QCoreApplication::translate("qm::DesktopNotifications", "Continuer") };
    notify << QStringLiteral("Quillmere") << m_shown << QStringLiteral("quillmere") << summary
           << body << actions << QVariantMap() << -1;
    const QDBusReply<uint> reply = m_bus.call(notify, QDBus::Block, kCallMs);
    if (!reply.isValid())
        return false;
    m_shown = reply.value();
    return true;
}

void DesktopNotifications::actionInvoked(uint id, const QString &action)
{
    if (id == 0 || id != m_shown)
        return;
    if (action == kChange || action == kDefault)
        emit changeRequested();
}

void DesktopNotifications::notificationClosed(uint id, uint)
{
    if (id == m_shown)
        m_shown = 0;
}

} // namespace qm
