#include "journal/day_file.h"

#include "journal/durable_write.h"
#include "journal/journal_file.h"
#include "journal/line_reader.h"
#include "journal/text_codec.h"

#include <QFile>

namespace qm {

FileRead readDayFileDate(const QString &path, QString &date)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened != FileRead::Read)
        return opened;
    LineReader reader(file);
    QByteArrayView line;
    date = reader.next(line) ? decodeText(line) : QString();
    return opened;
}

DayFileContent readDayFile(QIODevice &device)
{
    LineReader reader(device);
    DayFileContent content;
    QByteArrayView line;
    if (!reader.next(line))
        return content;
    content.date = decodeText(line);
    while (reader.next(line)) {
        if (line.isEmpty())
            continue;
        // The day file's lines have the journal's shape, with the start time in front.
        if (auto fields = parseJournalLine(line)) {
            content.lines.append(
                DayLine { fields->date, fields->minutesText, fields->activity, fields->comment });
        }
    }
    return content;
}

std::optional<DayFileContent> readDayFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDayFile(file);
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
    return !QFile::exists(path) || QFile::remove(path);
}

} // namespace qm
