#include "tracker/core/reminder.h"

#include "journal/datetime.h"
#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/app_state.h"

#include <QCoreApplication>

namespace qm {

std::optional<ReminderNotice> Reminder::check(
    const ReminderSituation &situation, const QDateTime &now)
{
    const bool remindable = m_minutes > 0 && situation.running
        && situation.activity != kPauseActivity && situation.activity != kStartActivity
        && situation.start.isValid();
    if (!remindable) {
        m_activity.clear();
        m_due = {};
        return std::nullopt;
    }
    // Another activity, or the same one started again: its own count.
    if (situation.activity != m_activity || situation.start != m_start) {
        m_activity = situation.activity;
        m_start = situation.start;
        m_due = addMinutes(m_start, m_minutes);
    }
    if (situation.interrupted) {
        m_due = std::max(m_due, addMinutes(now, m_minutes));
        return std::nullopt;
    }
    if (situation.watched || now < m_due)
        return std::nullopt;
    // One more period later; after a sleep that skipped several, one period from now.
    m_due = addMinutes(m_due, m_minutes);
    if (m_due <= now)
        m_due = addMinutes(now, m_minutes);
    const auto minutes = std::int32_t(m_start.secsTo(now) / 60);
    return ReminderNotice {
        QCoreApplication::translate("qm::Reminder", "Toujours « %1 » ?").arg(m_activity),
        QCoreApplication::translate("qm::Reminder", "Depuis %1 (%2).")
            .arg(shortTimeText(m_start.time()), durationText(minutes)),
    };
}

} // namespace qm
