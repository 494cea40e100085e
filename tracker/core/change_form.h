#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <utility>

namespace qm {

class Day;
class DayState;
class Questions;
struct SettingsModel;

// What the change dialog's fields hold. The dialog keeps them between two openings.
struct ChangeFields
{
    QString invokeTime; // txtInvokeTime
    QString duration; // txtDuration
    QString endTime; // txtEndTime
    QString comment; // txtComment
    QString addComment; // txtAddComment
    int activityIndex = -1; // lstActivities, -1 when nothing is selected
    int commentIndex = -1; // lstComments
    QString current; // lblCurrent
    // A day gone by: no activity of it may run on into today, each needs its duration.
    bool durationNeeded = false;
};

// The activity change dialog without its widgets: the checks of its fields and the change.
class ChangeForm
{
public:
    // The form reads the day and records its changes through `day`; it edits the comment types
    // of `settings`.
    ChangeForm(Day &day, SettingsModel &settings, Questions &questions);

    // The field the user must put right before the change can be recorded.
    enum class Field { None, Duration, EndTime };

    ChangeFields &fields() { return m_fields; }
    const ChangeFields &fields() const { return m_fields; }

    // Prepares the fields for a new opening; the three time fields are left as they are.
    void open();
    // The proposal of the main window: the change time, no duration, no end.
    void proposeChangeTime();

    // The checks never complain: a bad value is put back or emptied. The change time is a time
    // of the day being logged, or "-N", N minutes before now (1 to 999).
    void checkChangeTime();
    void checkDuration();
    // An end time before the change time ends on the next day: the user says whether that is
    // meant. False when not: the end time stays as typed, to be put right.
    bool checkEndTime();

    // The Delete key in the comment types: the selected type goes, the fixed first entry stays.
    bool removeSelectedCommentType();

    // Closes the running activity and records the new one; false when no activity is chosen,
    // or when fieldToFix() names a field to put right first (the dialog then stays open).
    bool confirm();
    Field fieldToFix() const { return m_fieldToFix; }
    // Whether the comment of the change confirmed was typed as a new comment type, to be added
    // to the list; true once per such change.
    bool takeNewCommentType() { return std::exchange(m_newCommentType, false); }

private:
    const DayState &day() const;
    // The change time typed, invalid when it is none.
    QDateTime typedChangeTime() const;
    bool checkEditedTimes();

    Day &m_day;
    SettingsModel &m_settings;
    Questions &m_questions;
    Field m_fieldToFix = Field::None;
    bool m_newCommentType = false;
    ChangeFields m_fields;
    // The three time fields as their checks last left them.
    struct
    {
        QString invokeTime;
        QString duration;
        QString endTime;
    } m_checked;
    // The end time as the duration check last wrote it, empty once the user typed another.
    QString m_endFromDuration;
};

} // namespace qm
