#include "tracker/ui/tray_icon.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/program_icon.h"

#include <QApplication>
#include <QMenu>

namespace qm {

TrayIcon::TrayIcon(Tracker &tracker, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_tracker(tracker)
    , m_icon(new QSystemTrayIcon(programIcon(), this))
{
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setToolTip(QStringLiteral("Quillmere"));
    m_icon->setContextMenu(menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
}

void TrayIcon::AddTrayIcon()
{
    m_icon->show();
}

void TrayIcon::RemoveTrayIcon()
{
    m_icon->hide();
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

} // namespace qm
