#include "tracker/ui/tray_icon.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/program_icon.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

namespace qm {

TrayIcon::TrayIcon(Tracker &tracker, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_tracker(tracker)
    , m_icon(new QSystemTrayIcon(programIcon(), this))
    , m_minute(new QTimer(this))
{
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setToolTip(QStringLiteral("Quillmere"));
    m_icon->setContextMenu(menu);
    connect(m_icon, &QSystemTrayIcon::messageClicked, this, &TrayIcon::messageClicked);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
    m_minute->setInterval(60 * 1000);
    connect(m_minute, &QTimer::timeout, this, &TrayIcon::refreshToolTip);
}

void TrayIcon::addTrayIcon()
{
    m_icon->show();
    m_minute->start();
}

void TrayIcon::removeTrayIcon()
{
    m_minute->stop();
    m_icon->hide();
}

void TrayIcon::refreshToolTip()
{
    if (m_tracker.hasEnded())
        return;
    m_icon->setToolTip(m_tracker.trayToolTip());
    // The next minute counts from this change, not from the last tick.
    if (m_minute->isActive())
        m_minute->start();
}

bool TrayIcon::isShown() const
{
    return m_icon->isVisible();
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason)
{
    // A click that arrives while the previous one is still being handled is dropped, and so
    // is one that arrives while a modal window waits for an answer.
    if (m_busy || QApplication::activeModalWidget())
        return;
    m_busy = true;
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        m_tracker.showMainWindow();
    m_busy = false;
}

bool TrayIcon::showMessage(const QString &summary, const QString &body)
{
    if (!m_icon->isVisible() || !QSystemTrayIcon::supportsMessages())
        return false;
    m_icon->showMessage(summary, body, programIcon());
    return true;
}

} // namespace qm
