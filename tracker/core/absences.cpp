#include "tracker/core/absences.h"

#include "journal/datetime.h"
#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/day_state.h"
#include "tracker/core/history_model.h"
#include "tracker/core/questions.h"
#include "tracker/core/screens.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <algorithm>

namespace qm {

Absences::Absences(AbsenceCommands &program, const DayState &day, const HistoryModel &history,
    SettingsModel &settings, const Clock &clock, Questions &questions, Screens &screens)
    : m_program(program)
    , m_day(day)
    , m_history(history)
    , m_settings(settings)
    , m_clock(clock)
    , m_questions(questions)
    , m_screens(screens)
{
    m_retry.setInterval(AbsenceWatch::kShortestWaitMs);
    connect(&m_retry, &QTimer::timeout, this, &Absences::offerWaiting);
}

Absences::~Absences() = default;

void Absences::setIdleSource(IdleSource *source, const SteadyClocks *steady)
{
    m_watch.reset();
    m_waiting.clear();
    disconnect(&m_history, nullptr, this, nullptr);
    if (!source)
        return;
    m_watch = std::make_unique<AbsenceWatch>(*source, m_clock, steady ? *steady : m_systemSteady,
        [this](const Absence &absence) { found(absence); });
    // The running activity only ever changes with a row of the history. The commands are
    // followed once they are done, not half-way through their changes.
    const HistoryModel *history = &m_history;
    connect(history, &QAbstractItemModel::rowsInserted, this, &Absences::followSoon);
    connect(history, &QAbstractItemModel::rowsRemoved, this, &Absences::followSoon);
    connect(history, &QAbstractItemModel::modelReset, this, &Absences::followSoon);
    connect(history, &QAbstractItemModel::dataChanged, this, &Absences::followSoon);
}

void Absences::sleeping()
{
    if (m_watch)
        m_watch->sleeping();
}

void Absences::wokeUp()
{
    if (m_watch)
        m_watch->wokeUp();
}

int Absences::minutes() const
{
    return m_settings.absenceMinutes;
}

void Absences::setMinutes(int minutes)
{
    m_settings.absenceMinutes = std::clamp(minutes, 0, kMaxAbsenceMinutes);
    m_program.saveSettingsIfChanged(true);
    follow();
}

void Absences::follow()
{
    if (!m_watch)
        return;
    if (isWatched())
        m_watch->watch(minutes());
    else
        m_watch->stop();
    offerWaiting();
}

void Absences::followSoon()
{
    if (m_followPending)
        return;
    m_followPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_followPending = false;
            follow();
        },
        Qt::QueuedConnection);
}

bool Absences::isWatched() const
{
    return minutes() > 0 && !m_program.hasEnded() && m_day.isRunning()
        && m_day.currentActivity() != kStartActivity && m_day.currentActivity() != kPauseActivity;
}

bool Absences::isLoggedDayToday() const
{
    const QDate day = m_day.loggedDay();
    return day.isValid() && m_clock.now().date() == day;
}

std::optional<Absence> Absences::offerable(Absence absence) const
{
    if (!isWatched() || !isLoggedDayToday())
        return std::nullopt;
    // The change dialog takes no change within the first minute of the running activity.
    absence.start = std::max(absence.start, addMinutes(m_day.currentStart(), 1));
    // An absence over midnight is the change of day's business, which comes first.
    const QDate day = m_day.loggedDay();
    if (absence.start.date() != day || absence.end.date() != day)
        return std::nullopt;
    // A wall clock set back since: no change is recorded after now.
    if (absence.end > m_clock.now() || absence.start.secsTo(absence.end) < qint64(minutes()) * 60)
        return std::nullopt;
    return absence;
}

QString Absences::offerText(const Absence &absence)
{
    return QCoreApplication::translate(
        "qm::Absences", "Aucune activité de votre part depuis %1 (%2 min).")
        .arg(timeText(absence.start.time()))
        .arg(elapsedMinutes(absence.start, absence.end));
}

void Absences::found(const Absence &absence)
{
    m_waiting.append(absence);
    offerWaiting();
}

void Absences::offerWaiting()
{
    // The question's event loop runs the timers too: what they find joins the queue.
    if (m_offering)
        return;
    m_offering = true;
    const auto done = qScopeGuard([this] { m_offering = false; });
    // What waited over the change of day belongs to a day the user has yet to settle.
    if (!isLoggedDayToday())
        m_waiting.clear();
    while (!m_waiting.isEmpty() && !m_program.hasEnded()) {
        if (m_screens.isModalWindowOpen()) {
            if (!m_retry.isActive())
                m_retry.start();
            return;
        }
        const std::optional<Absence> offer = offerable(m_waiting.takeFirst());
        if (!offer)
            continue;
        const AbsenceAnswer reply = m_questions.askAbsence(offerText(*offer));
        if (!m_program.hasEnded() && offerable(*offer) == offer)
            answer(*offer, reply);
    }
    m_retry.stop();
}

void Absences::answer(const Absence &absence, AbsenceAnswer answer)
{
    switch (answer) {
    case AbsenceAnswer::CountPause: {
        const QString activity = m_day.currentActivity();
        if (m_program.recordChangeAt(absence.start, kPauseActivity.toString()))
            m_program.recordChangeAt(absence.end, activity);
        break;
    }
    case AbsenceAnswer::ChangeActivity:
        m_program.openChangeDialogAt(absence.start);
        break;
    case AbsenceAnswer::Ignore:
        break;
    }
}

} // namespace qm
