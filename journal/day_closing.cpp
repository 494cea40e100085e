#include "journal/day_closing.h"

#include "journal/file_names.h"
#include "journal/file_reading.h"
#include "storage/durable_write.h"

#include <QFile>

namespace qm {

namespace {

// The closing file: the journal's size before the append (-1 when there was no journal), the
// date of the day, then the appended bytes exactly.
struct PendingClose
{
    qint64 journalSize = -1;
    QString dayDate;
    QByteArray bytes;
};

QByteArray formatPendingClose(const PendingClose &pending)
{
    return QByteArray::number(pending.journalSize) + "\r\n" + pending.dayDate.toUtf8() + "\r\n"
        + pending.bytes;
}

std::optional<PendingClose> parsePendingClose(const QByteArray &content)
{
    const qsizetype first = content.indexOf("\r\n");
    const qsizetype second = first < 0 ? -1 : content.indexOf("\r\n", first + 2);
    if (second < 0)
        return std::nullopt;
    bool ok = false;
    PendingClose pending;
    pending.journalSize = content.first(first).toLongLong(&ok);
    if (!ok || pending.journalSize < -1)
        return std::nullopt;
    pending.dayDate = QString::fromUtf8(content.sliced(first + 2, second - first - 2));
    pending.bytes = content.sliced(second + 2);
    return pending;
}

bool writePendingClose(const QString &path, const PendingClose &pending)
{
    return writeFileAtomically(path, formatPendingClose(pending)) && syncFolderOf(path);
}

// The journal's bytes from `from` on (-1: the journal did not exist then).
struct JournalTail
{
    bool readable = true;
    std::optional<QByteArray> bytes; // nothing when the journal is no longer what it was
};

JournalTail journalTail(const QString &path, qint64 from, qint64 limit)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened == FileRead::Missing)
        return { true, from < 0 ? std::optional(QByteArray()) : std::nullopt };
    if (opened == FileRead::Unreadable)
        return { false, {} };
    const qint64 start = std::max<qint64>(from, 0);
    if (file.size() < start || file.size() - start > limit)
        return {};
    if (!file.seek(start))
        return { false, {} };
    QByteArray tail = file.readAll();
    if (tail.size() != file.size() - start)
        return { false, {} };
    return { true, std::move(tail) };
}

// The appended bytes without the end of an unfinished line that may come first.
QByteArrayView recordsOf(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\r\n"))
        return view.sliced(2);
    return view.startsWith('\n') ? view.sliced(1) : view;
}

} // namespace

ClosingOutcome closeDayIntoJournal(const ClosingFiles &files, const QList<JournalRecord> &records)
{
    if (records.isEmpty()) {
        // A day of pauses only writes no record, but the journal exists afterwards all the same.
        if (!appendDurably(files.journal, {}))
            return ClosingOutcome::JournalUnchanged;
    } else {
        const auto lineEnd = unfinishedLineEnd(files.journal);
        if (!lineEnd)
            return ClosingOutcome::JournalUnchanged;
        // A journal whose size cannot be told is not taken for missing: taking an append back
        // would then delete it.
        const auto journalSize = sizeOrAbsent(files.journal);
        if (!journalSize)
            return ClosingOutcome::JournalUnchanged;
        PendingClose pending { *journalSize, records.first().date,
            *lineEnd + formatJournalRecords(records) };
        if (!writePendingClose(files.closing, pending)) {
            removeFileDurably(files.closing);
            return ClosingOutcome::JournalUnchanged;
        }
        if (!appendDurably(files.journal, pending.bytes)) {
            if (!truncateDurably(files.journal, pending.journalSize)
                || !removeFileDurably(files.closing))
                return ClosingOutcome::JournalDamaged;
            return ClosingOutcome::JournalUnchanged;
        }
    }
    // The closing file goes last: while it is there, a day file left behind is known to be in
    // the journal already.
    if (!removeFileDurably(files.dayFile) || !removeFileDurably(files.closing))
        return ClosingOutcome::DayFileKept;
    return ClosingOutcome::Closed;
}

InterruptedClose settleInterruptedClose(
    const ClosingFiles &files, const std::optional<QList<JournalRecord>> &day)
{
    // Part of the record is no record: its bytes would not match the journal, and the close it
    // describes would be taken for undone.
    QByteArray content;
    const FileRead read = readWholeFile(files.closing, content);
    if (read == FileRead::Missing)
        return {};
    const auto pending = read == FileRead::Read ? parsePendingClose(content) : std::nullopt;
    if (!pending)
        return { Settlement::Failed, {} };
    const auto settled = [&](Settlement settlement) {
        return InterruptedClose { settlement, pending->dayDate };
    };

    const JournalTail found
        = journalTail(files.journal, pending->journalSize, pending->bytes.size());
    if (!found.readable)
        return settled(Settlement::Failed);
    const auto &tail = found.bytes;
    if (!tail || !pending->bytes.startsWith(*tail)) {
        // Someone else changed the journal since: guessing what to cut or add could only do
        // harm. The closing file no longer describes it.
        return settled(
            removeFileDurably(files.closing) ? Settlement::JournalChanged : Settlement::Failed);
    }

    const bool sameDay = !day || recordsOf(pending->bytes) == formatJournalRecords(*day);
    if (!sameDay) {
        // The close failed and was reported, then the day went on: it will be closed again
        // whole, so what the failed close left in the journal must go.
        const bool takenBack = truncateDurably(files.journal, pending->journalSize)
            && removeFileDurably(files.closing);
        return settled(takenBack ? Settlement::TakenBack : Settlement::Failed);
    }
    const bool finished = (tail->size() == pending->bytes.size()
                              || appendDurably(files.journal, pending->bytes.sliced(tail->size())))
        && removeFileDurably(files.dayFile) && removeFileDurably(files.closing);
    return settled(finished ? Settlement::Finished : Settlement::Failed);
}

} // namespace qm
