#include "tracker/platform/bus_call.h"

namespace qm {

namespace {
constexpr int kReplyTimeoutMs = 500;
}

QDBusMessage callQuickly(const QDBusConnection &bus, const QString &service, const QString &path,
    const QString &interface, const QString &method)
{
    const QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    return bus.call(call, QDBus::Block, kReplyTimeoutMs);
}

} // namespace qm
