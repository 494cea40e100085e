#pragma once

#include "journal/file_names.h"

#include <QList>
#include <QString>

class QIODevice;

namespace qm {

// One finished activity of the day in progress: start "hh:mm:ss", minutes as number text,
// activity and comment.
struct DayLine
{
    QString start;
    QString minutesText;
    QString activity;
    QString comment;

    friend bool operator==(const DayLine &, const DayLine &) = default;
};

struct DayFileContent
{
    QString date; // the first line, exactly as stored
    QList<DayLine> lines;
};

// The first line of the day file into `date`; `date` is left alone when the file is missing or
// cannot be read.
FileRead readDayFileDateLine(const QString &path, QString &date);

// The whole day file into `content`; empty lines and lines with fewer than four fields are
// skipped. A file whose reading fails before its end is Unreadable, like one that cannot be
// opened, and `content` is then left alone.
FileRead readDayFile(const QString &path, DayFileContent &content);

// The same reading from an open device; an empty device gives an empty date and no lines. False
// when a read error stopped it.
bool readDayFile(QIODevice &device, DayFileContent &content);

// The bytes of a day file: the date line, then one line per activity, CR LF each.
QByteArray formatDayFile(const QString &date, const QList<DayLine> &lines);

// Rewrites the day file whole and atomically. False when it could not be written; the previous
// file is then unchanged.
bool writeDayFile(const QString &path, const QString &date, const QList<DayLine> &lines);

// Deletes the day file; true when it is gone afterwards.
bool removeDayFile(const QString &path);

} // namespace qm
