#pragma once

#include "tracker/core/reminder.h"

#include <QObject>

#include <functional>

class QTimer;

namespace qm {

class Clock;
class Tracker;
class WindowSet;

// The reminder of an activity that runs long, looked at twice a minute and sent the way the
// desktop allows.
class Reminders : public QObject
{
    Q_OBJECT

public:
    // Shows the notice; false when it could not.
    using Send = std::function<bool(const ReminderNotice &)>;

    Reminders(Tracker &tracker, WindowSet &windows, const Clock &clock, QObject *parent = nullptr);

    // Without a way to send them, reminders are off.
    void setSender(Send send);
    void check();

private:
    Tracker &m_tracker;
    WindowSet &m_windows;
    const Clock &m_clock;
    QTimer *m_timer;
    Reminder m_reminder;
    Send m_send;
};

} // namespace qm
