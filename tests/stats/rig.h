#pragma once

#include "journal/datetime.h"
#include "stats/core/export_request.h"
#include "stats/core/statistics.h"
#include "tests/support/files.h"

#include <QDir>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>

namespace qm::stats::test {

using qm::test::writeBytes;

// A program folder of its own with the journal and settings a test writes into it.
class ProgramFolder
{
public:
    QString file(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    bool writeJournal(const QByteArray &b) const { return writeBytes(file("Quillmere.log"), b); }
    bool writeSettings(const QByteArray &b) const { return writeBytes(file("Quillmere.ini"), b); }

    Statistics load() const
    {
        Statistics stats;
        stats.load(m_dir.path());
        return stats;
    }

private:
    QTemporaryDir m_dir;
};

// The statistics of a program folder that holds only that journal.
inline Statistics loaded(const QByteArray &journal)
{
    ProgramFolder folder;
    if (!folder.writeJournal(journal))
        qFatal("cannot write the test journal");
    return folder.load();
}

// A file of tests/data/stats.
inline QByteArray golden(const QString &name)
{
    return qm::test::readBytes(QFINDTESTDATA("../data/stats/" + name));
}

// The lines of a file of tests/data/stats under "[tag]", up to the next tag.
inline QString goldenBlock(const QString &name, const char *tag)
{
    const QString text = QString::fromUtf8(golden(name));
    const QString heading = u'[' + QString::fromUtf8(tag) + QStringLiteral("]\n");
    const qsizetype start = text.indexOf(heading);
    if (start < 0)
        return {};
    const qsizetype from = start + heading.size();
    const qsizetype end = text.indexOf(QStringLiteral("\n["), from);
    return text.mid(from, end < 0 ? -1 : end + 1 - from);
}

// Day d of March 2026; 0 is the last day of February.
inline QDate march(int d)
{
    return QDate(2026, 3, 1).addDays(d - 1);
}

// One journal line as the program writes it.
inline QByteArray journalLine(QDate date, std::int64_t minutes, const QString &activity)
{
    return date.toString(QStringLiteral("dd/MM/yyyy")).toUtf8() + ", " + QByteArray::number(minutes)
        + ',' + activity.toUtf8() + ",\r\n";
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
inline QList<Entry> sharesOf(const std::vector<int> &minutes)
{
    QList<Entry> entries;
    for (std::size_t i = 0; i < minutes.size(); ++i)
        entries.append(
            { march(1), minutes[i], QStringLiteral("act%1").arg(int(i + 1), 2, 10, QChar(u'0')) });
    return entries;
}

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return makeDateTime(QDate(2026, 12, 7), QTime(10, 30)); }
};

} // namespace qm::stats::test
