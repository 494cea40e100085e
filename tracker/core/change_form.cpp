#include "tracker/core/change_form.h"

#include "journal/datetime.h"
#include "journal/number_reading.h"
#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/day.h"
#include "tracker/core/questions.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr std::int64_t kSecondsPerDay = 86400;

// The duration field read without rounding: "0.4" is more than nothing, "1440.5" more than a
// day, and "2.5" ends two and a half minutes after the change.
struct TypedDuration
{
    std::int64_t seconds; // rounded down
    bool positive;
    bool withinADay;
};

TypedDuration typedDuration(const QString &text)
{
    bool exact = true;
    const std::int64_t seconds = readScaledNumber(text, 60, &exact);
    return { seconds, seconds > 0 || (seconds == 0 && !exact),
        seconds < kSecondsPerDay || (seconds == kSecondsPerDay && exact) };
}

} // namespace

ChangeForm::ChangeForm(Day &day, SettingsModel &settings, Questions &questions)
    : m_day(day)
    , m_settings(settings)
    , m_questions(questions)
{ }

const DayState &ChangeForm::day() const
{
    return m_day.state();
}

void ChangeForm::open()
{
    m_newCommentType = false;
    m_fieldToFix = Field::None;
    m_fields.comment.clear();
    m_fields.addComment.clear();
    m_fields.activityIndex = m_settings.activityChoices.isEmpty() ? -1 : 0;
    m_fields.commentIndex = m_settings.commentChoices.isEmpty() ? -1 : 0;
    m_fields.current = day().currentActivity() == kStartActivity
        //: Shown in place of the current activity before the first change of the day.
        ? QCoreApplication::translate("qm::ChangeForm", "   --- aucune ---")
        : day().currentActivity();
}

void ChangeForm::proposeChangeTime()
{
    m_fields.invokeTime = timeText(day().changeTime().time());
    m_fields.duration.clear();
    m_fields.endTime.clear();
    m_checked = { m_fields.invokeTime, m_fields.duration, m_fields.endTime };
    m_endFromDuration.clear();
}

QDateTime ChangeForm::typedChangeTime() const
{
    const QString &text = m_fields.invokeTime;
    if (text.contains(u':'))
        return dateTimeOfDay(day().dayDate(), text);
    // "-20": twenty minutes ago, within the day being logged.
    const QStringView minutes = QStringView(text).trimmed();
    if (!minutes.startsWith(u'-') || minutes.size() < 2 || minutes.size() > 4 || minutes[1] == u'0'
        || !std::all_of(
            minutes.begin() + 1, minutes.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    const QDateTime then = addMinutes(m_day.now(), -minutes.sliced(1).toInt());
    return then.date() == day().loggedDay() ? then : QDateTime();
}

void ChangeForm::checkChangeTime()
{
    const auto checked = qScopeGuard([this] { m_checked.invokeTime = m_fields.invokeTime; });
    const QDateTime typed = typedChangeTime();
    if (!typed.isValid()) {
        m_fields.invokeTime = timeText(day().changeTime().time());
        return;
    }
    // Before the first change of the day, any time of the day is taken.
    const std::int64_t gap = !day().isRunning() ? day().currentDuration() + 1 : 1;
    if (day().currentActivity() != kStartActivity
        && typed < addMinutes(day().currentStart(), gap)) {
        m_fields.invokeTime = timeText(day().changeTime().time());
        return;
    }
    m_day.setChangeTime(typed);
    // "-20" would mean another time at the next check: the field shows the time it gave.
    if (!m_fields.invokeTime.contains(u':'))
        m_fields.invokeTime = timeText(typed.time());
}

void ChangeForm::checkDuration()
{
    const TypedDuration duration = typedDuration(m_fields.duration);
    if (!duration.positive || !duration.withinADay) {
        m_fields.duration.clear();
        m_checked.duration.clear();
        m_endFromDuration.clear();
        return;
    }
    m_fields.endTime = shortTimeText(day().changeTime().addSecs(duration.seconds).time());
    m_checked.duration = m_fields.duration;
    m_checked.endTime = m_fields.endTime;
    m_endFromDuration = m_fields.endTime;
}

bool ChangeForm::checkEndTime()
{
    // The end time the duration check wrote drops the change time's seconds: reading it back
    // would turn the 30 minutes typed into 29.
    if (!m_endFromDuration.isEmpty() && m_fields.endTime == m_endFromDuration)
        return true;
    m_endFromDuration.clear();
    const QDateTime end = m_fields.endTime.contains(u':')
        ? dateTimeOfDay(day().dayDate(), m_fields.endTime)
        : QDateTime();
    if (!end.isValid() || !day().changeTime().isValid()) {
        m_fields.endTime.clear();
        m_checked.endTime.clear();
        return true;
    }
    double minutes = double(day().changeTime().msecsTo(end)) / 60000.0;
    const bool nextDay = minutes < 0;
    if (nextDay)
        minutes += kMinutesPerDay;
    auto whole = std::int64_t(std::floor(minutes));
    if (whole == 0)
        whole = 1;
    // A typo in the hour would otherwise give an activity of half a day, and then close the
    // day, with no way back.
    if (nextDay
        && !m_questions.confirm(
            QCoreApplication::translate("qm::ChangeForm", "Quillmere - Heure de fin"),
            QCoreApplication::translate("qm::ChangeForm",
                "L'activité se terminera le lendemain à %1 (%2). Est-ce bien ce que vous "
                "voulez ?")
                .arg(end.time().second() == 0 ? shortTimeText(end.time()) : timeText(end.time()),
                    formatDuration(std::int32_t(whole)).trimmed()),
            QCoreApplication::translate("qm::ChangeForm", "Oui"),
            QCoreApplication::translate("qm::ChangeForm", "Non")))
        return false;
    m_fields.duration = QString::number(whole);
    m_checked.duration = m_fields.duration;
    m_checked.endTime = m_fields.endTime;
    return true;
}

bool ChangeForm::checkEditedTimes()
{
    // The close box leaves the dialog without the check of the field being typed in, and the
    // next opening keeps its text: whatever was typed since a check is checked now, in the
    // order of the fields.
    if (m_fields.invokeTime != m_checked.invokeTime)
        checkChangeTime();
    if (m_fields.duration != m_checked.duration)
        checkDuration();
    return m_fields.endTime == m_checked.endTime || checkEndTime();
}

bool ChangeForm::removeSelectedCommentType()
{
    QStringList &choices = m_settings.commentChoices;
    const int index = m_fields.commentIndex;
    if (index < 1 || index >= choices.size())
        return false;
    choices.removeAt(index);
    m_fields.commentIndex = 0;
    return true;
}

bool ChangeForm::confirm()
{
    const QStringList &activities = m_settings.activityChoices;
    const int chosen = m_fields.activityIndex;
    m_fieldToFix = Field::None;
    if (chosen < 0 || chosen >= activities.size())
        return false;
    if (!checkEditedTimes()) {
        m_fieldToFix = Field::EndTime;
        return false;
    }
    const bool fixed = typedDuration(m_fields.duration).positive;
    if (m_fields.durationNeeded && !fixed) {
        m_fieldToFix = Field::Duration;
        return false;
    }

    const QString activity = chosen == 0 ? kPauseActivity.toString() : activities.at(chosen);
    QString comment;
    const QStringList &comments = m_settings.commentChoices;
    // A comment made only of pasted line breaks is no comment.
    m_fields.comment = storableText(m_fields.comment);
    if (m_fields.comment.isEmpty())
        m_fields.addComment = storableText(m_fields.addComment);
    if (!m_fields.comment.isEmpty()) {
        comment = m_fields.comment;
    } else if (!m_fields.addComment.isEmpty()) {
        comment = m_fields.addComment;
        m_newCommentType = true;
    } else if (m_fields.commentIndex >= 1 && m_fields.commentIndex < comments.size()) {
        comment = comments.at(m_fields.commentIndex);
    }

    // A fraction of a minute is a fixed duration, even when it rounds to 0.
    m_day.changeTo(
        activity, comment, fixed ? readRoundedNumber(m_fields.duration) : DayState::kRunning);
    return true;
}

} // namespace qm
