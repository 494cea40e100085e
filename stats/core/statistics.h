#pragma once

#include "journal/file_names.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;

namespace qm::stats {

// Dates are kept as julian day numbers, so that equality and order are plain comparisons.
using DayNumber = std::int32_t;

struct DaySummary
{
    DayNumber date = 0;
    std::int64_t totalMinutes = 0;
};

struct ActivitySummary
{
    QString name;
    std::int64_t totalMinutes = 0;
    DayNumber firstDate = 0;
    DayNumber lastDate = 0;
};

// The journal as the statistics program sees it: every entry in file order, their
// chronological order, one summary per day and one per distinct activity. Entries hold only
// numbers (columns rather than records) so that millions of them stay small; an activity's
// text is kept once, in its summary. Indices are 0-based.
class Statistics
{
public:
    // The folder that holds the journal and the settings file.
    void initPaths(const QString &programFolder);
    void loadUserName();
    void loadJournal();
    // The loading of LoadJournal from an open device that holds the journal's bytes.
    void loadJournal(QIODevice &device);
    void orderByDate();
    void buildDays();
    void buildActivities();

    // All of the above, in their order.
    void load(const QString &programFolder);

    const QString &programFolder() const { return m_programFolder; }
    const QString &journalPath() const { return m_journalPath; }
    const QString &settingsPath() const { return m_settingsPath; }
    const QString &userName() const { return m_userName; }
    // How the journal turned out. Unreadable: it exists but could not be read to its end; the
    // tables then hold no entry, since figures of part of the journal would pass for the whole.
    FileRead journalRead() const { return m_journalRead; }

    std::int64_t entryCount() const { return std::int64_t(m_entryDate.size()); }
    std::int64_t dayCount() const { return std::int64_t(m_days.size()); }
    std::int64_t activityCount() const { return std::int64_t(m_activities.size()); }
    std::int64_t totalMinutes() const { return m_totalMinutes; }
    // Entries whose minutes hold no number at all (a hand-edited "quarante-cinq"): they count
    // for 0 minutes, and the user is told. The line number (from 1, empty lines included) is
    // that of the first of them, 0 when there is none.
    std::int64_t unreadableDurationCount() const { return m_unreadableDurations; }
    std::int64_t firstUnreadableDurationLine() const { return m_firstUnreadableDurationLine; }
    // Invalid dates while the journal holds no entry.
    QDate earliestDate() const;
    QDate latestDate() const;

    const std::vector<DayNumber> &entryDates() const { return m_entryDate; }
    const std::vector<std::int32_t> &entryMinutes() const { return m_entryMinutes; }
    const std::vector<std::int32_t> &entryDayIndices() const { return m_entryDay; }
    const std::vector<std::int32_t> &entryActivityIndices() const { return m_entryActivity; }
    // Entry indices by ascending date; entries of one date keep their file order.
    const std::vector<std::int32_t> &entriesByDate() const { return m_byDate; }
    const std::vector<DaySummary> &days() const { return m_days; }
    const std::vector<ActivitySummary> &activities() const { return m_activities; }

    // The index of the day with that date, or -1.
    std::int64_t findDay(DayNumber date) const;
    // The first day on or after that date (dayCount() when there is none).
    std::int64_t firstDayFrom(DayNumber date) const;

private:
    void clearEntries();

    QString m_programFolder;
    QString m_journalPath;
    QString m_settingsPath;
    QString m_userName = QStringLiteral("-");
    FileRead m_journalRead = FileRead::Missing;

    std::vector<DayNumber> m_entryDate;
    std::vector<std::int32_t> m_entryMinutes;
    std::vector<std::int32_t> m_entryDay;
    // Between loading and BuildActivities this holds the number of the entry's name bytes.
    std::vector<std::int32_t> m_entryActivity;
    std::vector<QByteArray> m_nameBytes;
    std::int64_t m_totalMinutes = 0;
    std::int64_t m_unreadableDurations = 0;
    std::int64_t m_firstUnreadableDurationLine = 0;

    std::vector<std::int32_t> m_byDate;
    std::vector<DaySummary> m_days;
    std::vector<ActivitySummary> m_activities;
};

} // namespace qm::stats
