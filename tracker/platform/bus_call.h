#pragma once

#include <QDBusConnection>
#include <QDBusMessage>

namespace qm {

// One method call without arguments that gives up soon: a stuck desktop service must not
// freeze the program's windows for the default 25 seconds at each poll.
QDBusMessage callQuickly(const QDBusConnection &bus, const QString &service, const QString &path,
    const QString &interface, const QString &method);

} // namespace qm
