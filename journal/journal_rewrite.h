#pragma once

#include "journal/journal_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace qm {

// The journal's bytes with the records of `date` (its lines that the readers take as records
// of that date) replaced by `records`, where they stand: the first record in place of the
// first line, and so on; records beyond the last line follow it, lines beyond the last record
// go. Every other byte stays as it was: other dates, lines the readers skip, line ends, the
// encodings of other lines, and a line whose record is unchanged. Nullopt when the journal
// holds no record of that date: a day is never invented.
std::optional<QByteArray> rewriteJournalDate(
    QByteArrayView journal, const QString &date, const QList<JournalRecord> &records);

} // namespace qm
