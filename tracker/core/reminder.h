#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace qm {

// What the reminder tells: "Toujours « Réunion » ?", "Depuis 09:40 (2 h 00)."
struct ReminderNotice
{
    QString summary;
    QString body;
};

// What the program is doing when the reminder looks.
struct ReminderSituation
{
    QString activity;
    QDateTime start; // of the activity that runs
    bool running = false; // an activity runs, with no fixed duration
    // An absence is being offered or a modal window is up: no reminder, and the count starts
    // again from here.
    bool interrupted = false;
    // The main window is showing: no reminder, the user sees what runs.
    bool watched = false;
};

// "Still on Réunion?": once the same activity has run for the chosen time, then once more each
// further period, never while the user is busy with the program.
class Reminder
{
public:
    // 0 turns the reminder off.
    void setMinutes(int minutes) { m_minutes = minutes; }
    int minutes() const { return m_minutes; }

    // The reminder due now, if any; each one is given once.
    std::optional<ReminderNotice> check(const ReminderSituation &situation, const QDateTime &now);

private:
    int m_minutes = 0;
    QString m_activity;
    QDateTime m_start;
    QDateTime m_due;
};

} // namespace qm
