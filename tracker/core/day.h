#pragma once

#include "journal/day_closing.h"
#include "journal/day_file.h"
#include "tracker/core/day_correction.h"
#include "tracker/core/day_state.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace qm {

class Clock;
class HistoryModel;
class Questions;
struct ProgramFiles;

// The grid counts its rows on 16 bits.
inline constexpr int kMaxDayRows = 32767;

// What the journal held for the day being logged. Unreadable: the journal exists but could not
// be read to its end, so the rows shown may be only part of the day's.
enum class JournalRows { None, Shown, Unreadable };

// The date-time of a time of day typed or stored for the day being logged; invalid when the
// day or the time is no date or time.
QDateTime dateTimeOfDay(const QString &dayDate, QStringView time);

// The day being logged: its activities, their rows in the history, its totals and its two files.
// Its state changes only through the operations here.
class Day
{
public:
    Day(const ProgramFiles &files, HistoryModel &history, const Clock &clock, Questions &questions);

    const DayState &state() const { return m_state; }
    // The present moment, on the clock the day is logged by.
    QDateTime now() const;

    // A day with nothing recorded yet, whose start activity begins at `start`, on an empty
    // history of the given column layout.
    void begin(const QDateTime &start, const QString &layout);
    // The day to log becomes that of `start`, its start activity beginning then.
    void chooseDay(const QDateTime &start);
    // The time a change would take place, as proposed or typed.
    void setChangeTime(const QDateTime &time);
    // The running activity ends at the change time, and the given one follows it (with its
    // duration, or DayState::kRunning while it runs).
    void changeTo(const QString &activity, const QString &comment, std::int32_t duration);

    // Empties the history and the day's counters, for the given column layout.
    void resetHistory(const QString &layout);

    // Shows the journal's records of the day.
    JournalRows loadDayFromJournal();
    // Appends the day's activities to the journal, then deletes the day file; the user is told
    // of anything but success. After DayFileKept the program must end: the day file left behind
    // is recognised at the next start only while no new day is written over it.
    ClosingOutcome writeDayToJournal();
    // Puts right a close of the day that a crash cut short, before the day file is read, and
    // tells the user what was done. False when it could not be done: nothing may be written then.
    bool settleInterruptedClose();
    // Whether a day file exists; takes its date as the day being logged when it can be read and
    // is a date of the journal's form.
    FileRead readDayFileDate();
    // Loads the day file's activities under the journal rows; Unreadable, and nothing loaded,
    // when the file could not be read to its end.
    FileRead loadDayFile();

    bool isHistoryFull() const;

    void closeRunningActivity();
    // The day's finished rows as they may be corrected, and the day once corrected: the rows,
    // the totals and the day file become those of `lines`, the running activity going on.
    DayCorrection correction() const { return { m_lines, m_state.m_dayDate }; }
    void replaceLines(QList<DayLine> lines);
    // Takes back the last activity of the day (journal rows are never touched).
    void deleteLastActivity();

    // Rewrites the day file with every finished row, the last one included when it is
    // finished. Tells the user when it fails.
    bool saveDayFile();

private:
    int lastRow() const;
    ClosingFiles closingFiles() const;
    QList<JournalRecord> journalRecords() const;
    // The first `count` activities of the day, as the day file holds them.
    QList<DayLine> dayLines(int count) const;
    // Adds an activity of the day as a row of the history, and its minutes to the totals unless
    // it is still running.
    void appendLine(const DayLine &line, bool running);
    // The activity of `line` becomes the current one again, as the last finished one.
    void resumeAfter(const DayLine &line);
    bool writeDayLines(int count);
    // Adds the current activity as a new row and mirrors the day into the day file.
    void recordChange();
    // Adds (or with sign -1 takes back) an activity's minutes in the day totals, which stop at
    // the ends of their 32-bit range instead of wrapping round.
    void addToTotals(std::int32_t minutes, const QString &activity, int sign = 1);

    const ProgramFiles &m_files;
    DayState m_state;
    HistoryModel &m_history;
    const Clock &m_clock;
    Questions &m_questions;
    // The day's activities, the running one last with no minutes yet: the grid only shows them.
    QList<DayLine> m_lines;
};

} // namespace qm
