#pragma once

#include "journal/journal_backups.h"
#include "journal/journal_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace qm {

class Clock;
class Questions;
struct ProgramFiles;
struct SettingsModel;

// One date of the journal as the list of days shows it.
struct JournalDay
{
    QString date; // as the journal writes it, "dd/mm/yyyy"
    std::int64_t minutes = 0;
};

// What the record window shows of one record of a closed day.
struct RecordFields
{
    static constexpr int kMaxMinutes = 24 * 60;

    int minutes = 1; // Durée (min), 1 to 1440
    // The current activities, the retired ones, and the record's own activity when it is in
    // neither.
    QStringList activities;
    int activityIndex = 0;
    QString comment;
};

// The journal window without its widgets: the closed days of the journal, the records of one
// of them edited in memory, and their rewrite, which keeps every other byte of the file and a
// copy of the journal as it was.
class JournalEditor
{
public:
    JournalEditor(const ProgramFiles &files, const SettingsModel &settings, Questions &questions,
        const Clock &clock);

    // Reads the journal; false, the user told, when it cannot be read. The date of the day
    // file is left out: that day is corrected in the main window. The date chosen before is
    // chosen again when it is still there, with its edits dropped.
    bool load(const QString &dayFileDate);
    // Newest first, each with its total.
    const QList<JournalDay> &days() const { return m_days; }

    // The records of one of the days, in the journal's order; nothing chosen for a date that
    // is not in the list.
    void choose(const QString &date);
    const QString &chosenDate() const { return m_chosen; }
    const QList<JournalRecord> &records() const { return m_records; }
    bool isModified() const { return m_records != m_saved; }
    // True when there is nothing to lose, or the user agreed to drop the edits.
    bool mayDropEdits();

    std::optional<RecordFields> fieldsOf(int row) const;
    RecordFields newFields() const;
    // False, the user told why and nothing changed, when the day would go over 24 hours or
    // the fields are out of range.
    bool modify(int row, const RecordFields &fields);
    bool add(const RecordFields &fields);
    void remove(int row);

    // Writes the chosen day's records into the journal. False when nothing was written: the
    // user was told why, and a journal changed since it was read is read again.
    bool save();
    // Whether a copy of the journal is there to be put back.
    bool canUndo() const;
    // Puts the journal back as it was before the last rewrite, once the user agreed; the
    // journal it replaces becomes a copy in its turn.
    bool undoLastCorrection();

private:
    std::optional<JournalRecord> recordOf(const RecordFields &fields) const;
    // False, the user told, when the records would make the day longer than 24 hours.
    bool fitsInADay(const QList<JournalRecord> &records) const;
    bool reload();
    void warn(const QString &text) const;

    const SettingsModel &m_settings;
    Questions &m_questions;
    const Clock &m_clock;
    QString m_journalPath;
    JournalBackups m_backups;
    QString m_dayFileDate;
    QByteArray m_bytes;
    QList<JournalDay> m_days;
    QString m_chosen;
    QList<JournalRecord> m_saved;
    QList<JournalRecord> m_records;
};

} // namespace qm
