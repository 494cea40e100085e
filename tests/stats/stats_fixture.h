#pragma once

#include "journal/datetime.h"
#include "stats/core/qmstat.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <vector>

namespace qm::stats::test {

// A program folder of its own with the journal and settings a test writes into it.
class ProgramFolder
{
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    bool writeJournal(const QByteArray &bytes) const
    {
        return write(QStringLiteral("Quillmere.log"), bytes);
    }
    bool writeSettings(const QByteArray &bytes) const
    {
        return write(QStringLiteral("Quillmere.ini"), bytes);
    }

    QMstat load() const
    {
        QMstat stats;
        stats.load(path());
        return stats;
    }

private:
    QTemporaryDir m_dir;
};

// Day d of March 2026; 0 is the last day of February.
inline QDate march(int d)
{
    return QDate(2026, 3, 1).addDays(d - 1);
}

// One journal line as the program writes it.
inline QByteArray journalLine(
    QDate date, std::int64_t minutes, const QString &activity, const QString &comment = {})
{
    return date.toString(QStringLiteral("dd/MM/yyyy")).toUtf8() + ", " + QByteArray::number(minutes)
        + ',' + activity.toUtf8() + ',' + comment.toUtf8() + "\r\n";
}

struct Entry
{
    QDate date;
    std::int64_t minutes;
    QString activity;
};

inline QByteArray journalOf(const QList<Entry> &entries)
{
    QByteArray bytes;
    for (const Entry &e : entries)
        bytes += journalLine(e.date, e.minutes, e.activity);
    return bytes;
}

// One day's entries, one activity per element, named act01, act02... in that order.
inline QList<Entry> sharesOf(QDate day, const std::vector<int> &minutes)
{
    QList<Entry> entries;
    for (std::size_t i = 0; i < minutes.size(); ++i)
        entries.append({ day, minutes[i], QStringLiteral("act%1").arg(i + 1, 2, 10, QChar(u'0')) });
    return entries;
}

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return makeDateTime(QDate(2026, 12, 7), QTime(10, 30)); }
};

} // namespace qm::stats::test
