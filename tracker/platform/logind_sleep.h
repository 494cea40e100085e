#pragma once

#include <QDBusConnection>
#include <QObject>

#include <functional>

namespace qm {

// The session manager's word that the machine is about to sleep (true) and that it woke up
// (false), from its PrepareForSleep signal on the system bus. Where no session manager is
// there, nothing comes, and the absence watch tells a sleep from its own clocks.
class LogindSleep : public QObject
{
    Q_OBJECT

public:
    LogindSleep(
        const QDBusConnection &bus, std::function<void(bool)> onSleep, QObject *parent = nullptr);
    // Whether the bus took the subscription to the signal.
    bool isListening() const { return m_listening; }

private slots:
    void prepareForSleep(bool start);

private:
    std::function<void(bool)> m_onSleep;
    bool m_listening = false;
};

} // namespace qm
