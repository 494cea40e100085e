#include "tracker/ui/reminders.h"

#include "journal/datetime.h"
#include "tracker/core/tracker.h"
#include "tracker/ui/main_window.h"
#include "tracker/ui/window_set.h"

#include <QTimer>

namespace qm {

namespace {

constexpr int kLookMs = 30 * 1000;

} // namespace

Reminders::Reminders(Tracker &tracker, WindowSet &windows, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_tracker(tracker)
    , m_windows(windows)
    , m_clock(clock)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(kLookMs);
    connect(m_timer, &QTimer::timeout, this, &Reminders::check);
}

void Reminders::setSender(Send send)
{
    m_send = std::move(send);
    m_tracker.setRemindersPossible(bool(m_send));
    if (m_send)
        m_timer->start();
    else
        m_timer->stop();
}

void Reminders::check()
{
    if (!m_send || m_tracker.hasEnded())
        return;
    m_reminder.setMinutes(m_tracker.reminderMinutes());
    const DayState &day = m_tracker.state();
    const MainWindow *main = m_windows.mainWindow();
    ReminderSituation situation;
    situation.activity = day.currentActivity();
    situation.start = day.currentStart();
    situation.running = day.isRunning();
    situation.interrupted = m_windows.isModalWindowOpen() || m_tracker.absences().isOfferPending();
    situation.watched = main && main->isVisible() && !main->isMinimized();
    if (const std::optional<ReminderNotice> notice = m_reminder.check(situation, m_clock.now()))
        m_send(*notice);
}

} // namespace qm
