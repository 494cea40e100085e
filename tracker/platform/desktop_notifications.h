#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace qm {

// The desktop's notifications (org.freedesktop.Notifications): one of the program's on screen
// at a time, a new one replacing the old, with the actions "Changer d'activité" and
// "Continuer".
class DesktopNotifications : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(const QDBusConnection &bus, QObject *parent = nullptr);

    // Whether the desktop has a notification service on the bus.
    bool isAvailable() const;
    // False when the service did not take it.
    bool show(const QString &summary, const QString &body);

signals:
    // "Changer d'activité", or a click on the notification itself.
    void changeRequested();

private slots:
    void actionInvoked(uint id, const QString &action);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    uint m_shown = 0;
};

} // namespace qm
