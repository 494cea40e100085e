#include "journal/journal_rewrite.h"

namespace qm {

namespace {

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";

// One line of the journal: what precedes its text (the file's byte-order marks, on the first
// line only), its text, and its end ("\r\n", "\n", or nothing for a last line left unfinished).
struct Line
{
    QByteArrayView lead;
    QByteArrayView text;
    QByteArrayView end;
};

QList<Line> linesOf(QByteArrayView bytes)
{
    QList<Line> lines;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype next = bytes.indexOf('\n', at);
        next = next < 0 ? bytes.size() : next + 1;
        QByteArrayView line = bytes.sliced(at, next - at);
        Line split;
        if (line.endsWith('\n')) {
            const qsizetype endLength = line.endsWith("\r\n") ? 2 : 1;
            split.end = line.last(endLength);
            line.chop(endLength);
        }
        if (at == 0) {
            qsizetype lead = 0;
            while (line.sliced(lead).startsWith(kByteOrderMark))
                lead += kByteOrderMark.size();
            split.lead = line.first(lead);
            line = line.sliced(lead);
        }
        split.text = line;
        lines.append(split);
        at = next;
    }
    return lines;
}

QByteArray recordText(const JournalRecord &record)
{
    return formatJournalRecord(record).chopped(2);
}

} // namespace

std::optional<QByteArray> rewriteJournalDate(
    QByteArrayView journal, const QString &date, const QList<JournalRecord> &records)
{
    const QList<Line> lines = linesOf(journal);
    QList<std::optional<JournalRecord>> parsed;
    qsizetype lastOfDate = -1;
    for (const Line &line : lines) {
        auto record = parseJournalLine(line.text);
        if (!record || record->date != date)
            record.reset();
        else
            lastOfDate = parsed.size();
        parsed.append(record);
    }
    if (lastOfDate < 0)
        return std::nullopt;

    QByteArray out;
    out.reserve(journal.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (!parsed.at(i)) {
            out.append(line.lead).append(line.text).append(line.end);
            continue;
        }
        if (next < records.size()) {
            const JournalRecord &record = records.at(next++);
            out += line.lead;
            if (record == *parsed.at(i))
                out += line.text;
            else
                out += recordText(record);
            // A line that follows needs its end, even where the old last line had none.
            const bool more = i == lastOfDate && next < records.size();
            out += line.end.isEmpty() && more ? QByteArrayView("\r\n") : line.end;
        } else {
            out += line.lead;
        }
        if (i != lastOfDate)
            continue;
        // Ended as the last line of the date is, and left unfinished where it was.
        const QByteArrayView end = line.end.isEmpty() ? QByteArrayView("\r\n") : line.end;
        while (next < records.size()) {
            out += recordText(records.at(next++));
            out += next == records.size() && line.end.isEmpty() ? QByteArrayView() : end;
        }
    }
    return out;
}

} // namespace qm
