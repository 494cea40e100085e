#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QMenu;
class QTimer;

namespace qm {

class Tracker;

// The notification-area icon: a click shows the main window, the context menu offers the
// ways out.
class TrayIcon : public QObject
{
    Q_OBJECT

public:
    TrayIcon(Tracker &tracker, QMenu *menu, QObject *parent = nullptr);

    void addTrayIcon();
    void removeTrayIcon();
    bool isShown() const;
    // The tooltip follows the day: on each change, and every minute while the icon is shown.
    void refreshToolTip();

    // What a mouse action on the icon does.
    void activate(QSystemTrayIcon::ActivationReason reason);

    // A message from the icon, where the desktop has no notifications of its own; false when
    // the icon cannot show one.
    bool showMessage(const QString &summary, const QString &body);

signals:
    void messageClicked();

private:
    Tracker &m_tracker;
    QSystemTrayIcon *m_icon;
    QTimer *m_minute;
    bool m_busy = false;
};

} // namespace qm
