#pragma once

#include "journal/file_names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace qm {

// One line of the journal: date "dd/mm/yyyy", minutes as number text (" 65"), activity and
// comment, neither of which contains ",".
struct JournalRecord
{
    QString date;
    QString minutesText;
    QString activity;
    QString comment;

    friend bool operator==(const JournalRecord &, const JournalRecord &) = default;
};

// The line as stored, CR LF included: the four fields joined by ",".
QByteArray formatJournalRecord(const JournalRecord &record);
QByteArray formatJournalRecords(const QList<JournalRecord> &records);

// What must come before new records so that they start on a line of their own: nothing, or the
// end of a last line left unfinished (a journal edited by hand, a power cut in the middle of an
// append). Nothing when the journal cannot be read.
std::optional<QByteArray> unfinishedLineEnd(const QString &path);

// The four fields of a line (without its end); fields after the fourth are dropped. Lines with
// fewer than four fields give nothing: the program never writes them.
std::optional<JournalRecord> parseJournalLine(QByteArrayView line);

using JournalRecordSink = std::function<void(const JournalRecord &)>;

// Every record of the journal in file order, or only those whose date field is textually
// `date` when it is given. A file whose reading fails before its end is Unreadable, like one
// that cannot be opened; the sink has then seen only part of the records.
FileRead readJournal(const QString &path, const JournalRecordSink &sink);
FileRead readJournalOfDate(const QString &path, const QString &date, const JournalRecordSink &sink);

// The same readings from an open device, such as a file already opened or an in-memory buffer.
// False when a read error stopped them.
bool readJournal(QIODevice &device, const JournalRecordSink &sink);
bool readJournalOfDate(QIODevice &device, const QString &date, const JournalRecordSink &sink);

// Appends the records and waits until they are on disk. The file is created when missing. A
// last line left without its end is ended first, so that the first new record does not run into
// it. False when anything failed; the records may then be partly written.
bool appendToJournal(const QString &path, const QList<JournalRecord> &records);

} // namespace qm
