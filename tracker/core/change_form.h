#pragma once

#include <QString>

#include <cstdint>

namespace qm {

struct AppState;
class Day;

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
};

// The activity change dialog without its widgets: the checks of its fields and the change.
class ChangeForm
{
public:
    ChangeForm(AppState &state, Day &day);

    ChangeFields &fields() { return m_fields; }
    const ChangeFields &fields() const { return m_fields; }

    // Prepares the fields for a new opening; the three time fields are left as they are.
    void open();
    // The proposal of the main window: the change time, no duration, no end.
    void proposeChangeTime();

    // The checks never complain: a bad value is put back or emptied.
    void checkChangeTime();
    void checkDuration();
    void checkEndTime();

    // The Delete key in the comment types: the selected type goes, the fixed first entry stays.
    bool removeSelectedCommentType();

    // Closes the running activity and records the new one; false when no activity is chosen
    // (the dialog then stays open).
    bool confirm();
    // The change itself, once the fields have given the activity, its comment and its duration
    // (AppState::kRunning while it runs): the running activity ends at the change time.
    void changeTo(const QString &activity, const QString &comment, std::int32_t duration);

private:
    void checkEditedTimes();

    AppState &m_state;
    Day &m_day;
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
