#pragma once

#include "tracker/core/absence_watch.h"
#include "tracker/core/idle_source.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

namespace qm {

class Clock;
class DayState;
class HistoryModel;
class Questions;
class Screens;
struct SettingsModel;
enum class AbsenceAnswer;

// What the absences need of the program: whether it still runs, and the commands an answer
// gives, as the windows would call them.
class AbsenceCommands
{
public:
    virtual ~AbsenceCommands() = default;
    virtual bool hasEnded() const = 0;
    virtual bool recordChangeAt(const QDateTime &time, const QString &activity) = 0;
    virtual void openChangeDialogAt(const QDateTime &time) = 0;
    virtual bool saveSettingsIfChanged(bool repeatWarning) = 0;
};

// The absences of the running activity: when the desktop is watched, which absence is offered
// to the user and what the answer records.
//
// An absence is offered once, as soon as no modal window of the program is up; it is checked
// again just before it is offered and once more after the answer, since the question's own
// event loop may have run any command of the program in between.
class Absences : public QObject
{
public:
    // The day is read, never changed: the running activity only changes through `program`.
    // The rows of `history` tell when it changed; the threshold is that of `settings`.
    Absences(AbsenceCommands &program, const DayState &day, const HistoryModel &history,
        SettingsModel &settings, const Clock &clock, Questions &questions, Screens &screens);
    ~Absences() override;

    // The desktop's idle time; without it, absences are never watched. Not owned, nor are the
    // steady clocks, the system's when none are given.
    void setIdleSource(IdleSource *source, const SteadyClocks *steady = nullptr);
    // The session's word that the machine goes to sleep, and that it woke up.
    void sleeping();
    void wokeUp();
    bool canWatch() const { return m_watch != nullptr; }
    // An absence waits to be offered, or is being offered.
    bool isOfferPending() const { return !m_waiting.isEmpty(); }
    bool isWatching() const { return m_watch && m_watch->isWatching(); }
    // The watch itself, for those who drive it without its timer.
    AbsenceWatch *watch() const { return m_watch.get(); }

    // The threshold in minutes, 0 when absences are not offered.
    int minutes() const;
    // Takes a threshold from the settings window and saves the settings.
    void setMinutes(int minutes);

    // Starts or stops the watch as the day and the threshold say, and offers what waited for
    // a modal window to close.
    void follow();

    // The offer window's text.
    static QString offerText(const Absence &absence);

private:
    bool isWatched() const;
    // The day being logged is today's: otherwise the change of day comes first.
    bool isLoggedDayToday() const;
    // The part of the absence the running activity can give up, when it is worth offering.
    std::optional<Absence> offerable(Absence absence) const;
    void followSoon();
    void found(const Absence &absence);
    void offerWaiting();
    void answer(const Absence &absence, AbsenceAnswer answer);

    AbsenceCommands &m_program;
    const DayState &m_day;
    const HistoryModel &m_history;
    SettingsModel &m_settings;
    const Clock &m_clock;
    Questions &m_questions;
    Screens &m_screens;
    SystemSteadyClocks m_systemSteady;
    std::unique_ptr<AbsenceWatch> m_watch;
    QList<Absence> m_waiting;
    // Looks again for a moment without a modal window, while an absence waits for one.
    QTimer m_retry;
    bool m_offering = false;
    bool m_followPending = false;
};

} // namespace qm
