#pragma once

#include "tracker/platform/mutter_idle.h"
#include "tracker/platform/screen_saver_idle.h"
#include "tracker/platform/x11_idle.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <memory>

namespace qm::test {

// A server of the test's own, which prints where it listens on its first line, killed with the
// test.
class PrivateServer
{
public:
    // That first line; empty when the server did not start.
    QString start(const QString &program, const QStringList &arguments)
    {
        m_process.start(program, arguments);
        if (!m_process.waitForStarted() || !m_process.waitForReadyRead(10000))
            return {};
        return QString::fromUtf8(m_process.readLine().trimmed());
    }
    ~PrivateServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

// A session bus of the test's own, so that no desktop service of the machine answers: the
// backends' session bus connection must not have been made before it is started.
class PrivateSessionBus
{
public:
    bool start()
    {
        m_address = m_daemon.start(QStringLiteral("dbus-daemon"),
            { QStringLiteral("--session"), QStringLiteral("--nofork"),
                QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1") });
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
        // It stands for the system bus too, where the session manager tells of sleeps.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", m_address.toUtf8());
        return !m_address.isEmpty();
    }
    QString address() const { return m_address; }

private:
    PrivateServer m_daemon;
    QString m_address;
};

// A desktop service on its own connection to the bus, answering each method with a chosen
// value or an error. It answers on a thread of its own: the backends' calls block the test's.
// Its interface is named as the service unless told otherwise.
class FakeDesktopService final : public QDBusVirtualObject
{
public:
    FakeDesktopService(const QString &busAddress, const QString &service, const QString &path,
        const QString &interface = {})
        : m_bus(QDBusConnection::connectToBus(busAddress, service))
        , m_service(service)
        , m_path(path)
        , m_interface(interface.isEmpty() ? service : interface)
    {
        moveToThread(&m_thread);
        m_thread.start();
        m_bus.registerVirtualObject(m_path, this);
    }
    ~FakeDesktopService() override
    {
        m_bus.unregisterObject(m_path);
        m_bus.unregisterService(m_service);
        QDBusConnection::disconnectFromBus(m_service);
        m_thread.quit();
        m_thread.wait();
    }
    bool appear() { return m_bus.registerService(m_service); }
    void answer(const QString &method, const QVariant &value)
    {
        QMutexLocker lock(&m_mutex);
        m_answers.insert(method, value);
    }
    void emitSignal(const QString &name, const QVariantList &values)
    {
        QDBusMessage signal = QDBusMessage::createSignal(m_path, m_interface, name);
        signal.setArguments(values);
        m_bus.send(signal);
    }
    // The calls answered so far, in order.
    QList<QDBusMessage> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        QMutexLocker lock(&m_mutex);
        if (message.interface() != m_interface || !m_answers.contains(message.member()))
            return false;
        const QVariant value = m_answers.value(message.member());
        m_calls.append(message);
        connection.send(value.isValid()
                ? message.createReply(value)
                : message.createErrorReply(QDBusError::Failed, QStringLiteral("not now")));
        return true;
    }

private:
    QThread m_thread;
    QDBusConnection m_bus;
    QString m_service, m_path, m_interface;
    mutable QMutex m_mutex;
    QList<QDBusMessage> m_calls;
    // An invalid value answers an error.
    QMap<QString, QVariant> m_answers;
};

// Which backend the desktop's choice fell on.
inline QString backendName(IdleSource *source)
{
    if (dynamic_cast<MutterIdle *>(source))
        return QStringLiteral("compositor");
    if (dynamic_cast<ScreenSaverIdle *>(source))
        return QStringLiteral("screen saver");
    if (dynamic_cast<X11Idle *>(source))
        return QStringLiteral("X server");
    return source ? QStringLiteral("other") : QStringLiteral("none");
}

inline std::unique_ptr<FakeDesktopService> fakeMutter(const QString &busAddress)
{
    return std::make_unique<FakeDesktopService>(
        busAddress, "org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core");
}

inline std::unique_ptr<FakeDesktopService> fakeScreenSaver(const QString &busAddress)
{
    return std::make_unique<FakeDesktopService>(
        busAddress, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver");
}

inline std::unique_ptr<FakeDesktopService> fakeLogind(const QString &busAddress)
{
    return std::make_unique<FakeDesktopService>(busAddress, "org.freedesktop.login1",
        "/org/freedesktop/login1", "org.freedesktop.login1.Manager");
}

} // namespace qm::test
