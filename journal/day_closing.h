#pragma once

#include "journal/journal_file.h"

#include <QList>
#include <QString>

#include <optional>

namespace qm {

// The three files a close of the day works on. The closing file holds what a close is about to
// append to the journal, from just before the append until the day file is gone, so that a close
// cut short by a crash or a power cut can be finished at the next start instead of repeated.
struct ClosingFiles
{
    QString journal;
    QString dayFile;
    QString closing;
};

enum class ClosingOutcome {
    Closed, // the day is in the journal once and the day file is gone
    JournalUnchanged, // nothing reached the journal; the day file is kept
    JournalDamaged, // the journal could not be put back: part of the day may be in it
    DayFileKept, // the day is in the journal, but the day file could not be deleted
};

// Appends the records to the journal, then deletes the day file.
ClosingOutcome closeDayIntoJournal(const ClosingFiles &files, const QList<JournalRecord> &records);

enum class Settlement {
    NothingPending, // no close was interrupted
    Finished, // the interrupted close is complete now: its day is in the journal once
    TakenBack, // what the interrupted close wrote is gone: the journal is as before it
    JournalChanged, // the journal is not what the close left; it is not touched
    Failed, // the files could not be put right; nothing more may be written
};

struct InterruptedClose
{
    Settlement settlement = Settlement::NothingPending;
    QString dayDate; // the date of the day that was being closed
};

// Puts right a close that was cut short. `day` is the day still to be closed (the day file's
// records, or the records a new close is about to write): when it is the day that was being
// closed, or there is no day left, the close is finished; otherwise the day went on after a
// failed close, and what that close wrote is taken back.
InterruptedClose settleInterruptedClose(
    const ClosingFiles &files, const std::optional<QList<JournalRecord>> &day);

} // namespace qm
