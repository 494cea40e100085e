#include "journal/day_file.h"

#include "journal/file_reading.h"
#include "journal/journal_file.h"
#include "journal/line_reader.h"
#include "journal/text_codec.h"
#include "storage/durable_write.h"

#include <QFile>

namespace qm {

FileRead readDayFileDateLine(const QString &path, QString &date)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened != FileRead::Read)
        return opened;
    LineReader reader(file);
    QByteArrayView line;
    const bool got = reader.next(line);
    if (reader.failed())
        return FileRead::Unreadable;
    date = got ? decodeText(line) : QString();
    return opened;
}

bool readDayFile(QIODevice &device, DayFileContent &content)
{
    LineReader reader(device);
    DayFileContent read;
    QByteArrayView line;
    if (reader.next(line)) {
        read.date = decodeText(line);
        while (reader.next(line)) {
            if (line.isEmpty())
                continue;
            // The day file's lines have the journal's shape, with the start time in front.
            if (auto fields = parseJournalLine(line)) {
                read.lines.append(DayLine {
                    fields->date, fields->minutesText, fields->activity, fields->comment });
            }
        }
    }
    if (reader.failed())
        return false;
    content = std::move(read);
    return true;
}

FileRead readDayFile(const QString &path, DayFileContent &content)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened != FileRead::Read)
        return opened;
    return readDayFile(file, content) && readToItsEnd(file) ? FileRead::Read : FileRead::Unreadable;
}

QByteArray formatDayFile(const QString &date, const QList<DayLine> &lines)
{
    QString text = date + QStringLiteral("\r\n");
    for (const DayLine &line : lines) {
        text += line.start + u',' + line.minutesText + u',' + line.activity + u',' + line.comment
            + QStringLiteral("\r\n");
    }
    return encodeText(text);
}

bool writeDayFile(const QString &path, const QString &date, const QList<DayLine> &lines)
{
    return writeFileAtomically(path, formatDayFile(date, lines));
}

bool removeDayFile(const QString &path)
{
    return removeFileDurably(path);
}

} // namespace qm
