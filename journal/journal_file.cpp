#include "journal/journal_file.h"

#include "journal/file_reading.h"
#include "journal/line_reader.h"
#include "journal/text_codec.h"
#include "storage/durable_write.h"
#include "storage/program_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace qm {

namespace {

// Up to `count` fields of a comma-separated line; the rest of the line is dropped.
qsizetype splitFields(QByteArrayView line, QByteArrayView *fields, qsizetype count)
{
    qsizetype n = 0;
    qsizetype start = 0;
    while (n < count) {
        const qsizetype comma = line.indexOf(',', start);
        if (comma < 0) {
            fields[n++] = line.sliced(start);
            break;
        }
        fields[n++] = line.sliced(start, comma - start);
        start = comma + 1;
    }
    return n;
}

// False when a read error stopped the reading before the end of the device.
bool readLines(QIODevice &device, const std::function<void(QByteArrayView)> &onLine)
{
    LineReader reader(device);
    QByteArrayView line;
    while (reader.next(line)) {
        if (!line.isEmpty())
            onLine(line);
    }
    return !reader.failed();
}

FileRead readFile(const QString &path, const std::function<bool(QIODevice &)> &read)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened != FileRead::Read)
        return opened;
    return read(file) && readToItsEnd(file) ? FileRead::Read : FileRead::Unreadable;
}

} // namespace

std::optional<QByteArray> unfinishedLineEnd(const QString &path)
{
    QFile file(path);
    errno = 0;
    const auto unreadable = [&file]() -> std::optional<QByteArray> {
        qCWarning(programLog(), "cannot append to %s: its end cannot be read: %s",
            qUtf8Printable(QDir::toNativeSeparators(file.fileName())),
            qUtf8Printable(
                errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString()));
        return std::nullopt;
    };
    const FileRead opened = openForReading(file);
    if (opened != FileRead::Read)
        return opened == FileRead::Missing ? std::optional(QByteArray()) : unreadable();
    if (file.size() == 0)
        return QByteArray();
    char last = '\n';
    if (!file.seek(file.size() - 1) || !file.getChar(&last))
        return unreadable();
    // A line cut between its CR and its LF only lacks the LF.
    if (last == '\r')
        return QByteArray("\n");
    return last == '\n' ? QByteArray() : QByteArray("\r\n");
}

QByteArray formatJournalRecords(const QList<JournalRecord> &records)
{
    QByteArray bytes;
    for (const JournalRecord &record : records)
        bytes += formatJournalRecord(record);
    return bytes;
}

QByteArray formatJournalRecord(const JournalRecord &record)
{
    return encodeText(QString(record.date + u',' + record.minutesText + u',' + record.activity
        + u',' + record.comment + QStringLiteral("\r\n")));
}

std::optional<JournalRecord> parseJournalLine(QByteArrayView line)
{
    QByteArrayView fields[4];
    if (splitFields(line, fields, 4) < 4)
        return std::nullopt;
    return JournalRecord { decodeText(fields[0]), decodeText(fields[1]), decodeText(fields[2]),
        decodeText(fields[3]) };
}

bool readJournal(QIODevice &device, const JournalRecordSink &sink)
{
    return readLines(device, [&](QByteArrayView line) {
        if (auto record = parseJournalLine(line))
            sink(*record);
    });
}

FileRead readJournal(const QString &path, const JournalRecordSink &sink)
{
    return readFile(path, [&](QIODevice &file) { return readJournal(file, sink); });
}

bool readJournalOfDate(QIODevice &device, const QString &date, const JournalRecordSink &sink)
{
    // Comparing the raw date field first keeps a long journal cheap to scan; the decoded text
    // is compared as well, so the match stays textual whatever the file's encoding.
    const QByteArray rawDate = encodeText(date);
    return readLines(device, [&](QByteArrayView line) {
        const qsizetype comma = line.indexOf(',');
        const QByteArrayView field = comma < 0 ? line : line.first(comma);
        if (field != rawDate && decodeText(field) != date)
            return;
        if (auto record = parseJournalLine(line); record && record->date == date)
            sink(*record);
    });
}

FileRead readJournalOfDate(const QString &path, const QString &date, const JournalRecordSink &sink)
{
    return readFile(path, [&](QIODevice &file) { return readJournalOfDate(file, date, sink); });
}

bool appendToJournal(const QString &path, const QList<JournalRecord> &records)
{
    const auto lineEnd = unfinishedLineEnd(path);
    return lineEnd && appendDurably(path, *lineEnd + formatJournalRecords(records));
}

} // namespace qm
