#include "stats/core/statistics.h"

#include "journal/datetime.h"
#include "journal/file_names.h"
#include "journal/line_reader.h"
#include "journal/number_reading.h"
#include "journal/settings.h"
#include "journal/text_codec.h"
#include "stats/core/name_interner.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <numeric>

namespace qm::stats {

namespace {

// The fields the statistics use: date, minutes, activity. Fewer than three means no record.
bool splitFields(
    QByteArrayView line, QByteArrayView &date, QByteArrayView &minutes, QByteArrayView &activity)
{
    const char *begin = line.data();
    const char *end = begin + line.size();
    const auto *c1 = static_cast<const char *>(std::memchr(begin, ',', line.size()));
    if (!c1)
        return false;
    const auto *c2 = static_cast<const char *>(std::memchr(c1 + 1, ',', end - c1 - 1));
    if (!c2)
        return false;
    const auto *c3 = static_cast<const char *>(std::memchr(c2 + 1, ',', end - c2 - 1));
    date = QByteArrayView(begin, c1 - begin);
    minutes = QByteArrayView(c1 + 1, c2 - c1 - 1);
    activity = QByteArrayView(c2 + 1, (c3 ? c3 : end) - c2 - 1);
    return true;
}

// Consecutive lines nearly always share their date: parse each distinct run of text once.
class DateCache
{
public:
    // 0 for a field that is not a date (no valid julian day of a four-digit year is 0).
    DayNumber dayOf(QByteArrayView field)
    {
        if (field.size() == m_length && std::memcmp(field.data(), m_text, m_length) == 0)
            return m_day;
        const QDate date = parseJournalDate(field);
        m_day = date.isValid() ? DayNumber(date.toJulianDay()) : 0;
        m_length = field.size() <= qsizetype(sizeof m_text) ? field.size() : -1;
        if (m_length >= 0)
            std::memcpy(m_text, field.data(), m_length);
        return m_day;
    }

private:
    char m_text[16] = {};
    qsizetype m_length = -1;
    DayNumber m_day = 0;
};

// Journal lines are about 35 bytes; a slightly generous guess avoids regrowing the columns.
constexpr qint64 kBytesPerEntryGuess = 28;

} // namespace

void Statistics::initPaths(const QString &programFolder)
{
    m_programFolder = programFolder;
    m_journalPath = programFile(programFolder, kJournalFileName);
    m_settingsPath = programFile(programFolder, kSettingsFileName);
    m_userName = QStringLiteral("-");
}

void Statistics::loadUserName()
{
    m_userName = readSettingsUserName(m_settingsPath);
}

void Statistics::clearEntries()
{
    m_entryDate.clear();
    m_entryMinutes.clear();
    m_entryActivity.clear();
    m_nameBytes.clear();
    m_totalMinutes = 0;
    m_unreadableDurations = 0;
    m_firstUnreadableDurationLine = 0;
}

void Statistics::loadJournal()
{
    QFile file(m_journalPath);
    const FileRead opened = openForReading(file);
    if (opened == FileRead::Read) {
        loadJournal(file);
        return;
    }
    clearEntries();
    m_journalRead = opened;
}

void Statistics::loadJournal(QIODevice &device)
{
    clearEntries();
    const std::size_t guess = std::size_t(std::max<qint64>(device.size(), 0) / kBytesPerEntryGuess);
    m_entryDate.reserve(guess);
    m_entryMinutes.reserve(guess);
    m_entryActivity.reserve(guess);

    NameInterner names;
    DateCache dates;
    LineReader reader(device);
    QByteArrayView line, dateField, minutesField, activityField;
    std::int64_t lineNumber = 0;
    while (reader.next(line)) {
        ++lineNumber;
        if (line.isEmpty() || !splitFields(line, dateField, minutesField, activityField))
            continue;
        const DayNumber day = dates.dayOf(dateField);
        if (day == 0)
            continue;
        const std::int32_t minutes = readRoundedNumber(minutesField);
        if (minutes == 0 && !startsWithNumber(minutesField)) {
            if (m_unreadableDurations++ == 0)
                m_firstUnreadableDurationLine = lineNumber;
        }
        m_entryDate.push_back(day);
        m_entryMinutes.push_back(minutes);
        m_entryActivity.push_back(names.intern(activityField));
        m_totalMinutes += minutes;
    }
    if (reader.failed()) {
        clearEntries();
        m_journalRead = FileRead::Unreadable;
        return;
    }
    m_journalRead = FileRead::Read;
    m_nameBytes.reserve(names.count());
    for (std::int32_t id = 0; id < names.count(); ++id)
        m_nameBytes.push_back(names.name(id).toByteArray());
}

void Statistics::orderByDate()
{
    const std::size_t n = m_entryDate.size();
    m_byDate.resize(n);
    std::iota(m_byDate.begin(), m_byDate.end(), 0);
    if (std::is_sorted(m_entryDate.begin(), m_entryDate.end()))
        return;
    // A stable counting sort over the span of dates: a four-digit year keeps the span under
    // four million days, and journals closed out of order cost no more than sorted ones.
    const auto [lo, hi] = std::minmax_element(m_entryDate.begin(), m_entryDate.end());
    const DayNumber first = *lo;
    std::vector<std::int32_t> start(std::size_t(*hi - first) + 2, 0);
    for (DayNumber d : m_entryDate)
        ++start[std::size_t(d - first) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    for (std::size_t i = 0; i < n; ++i)
        m_byDate[std::size_t(start[std::size_t(m_entryDate[i] - first)]++)] = std::int32_t(i);
}

void Statistics::buildDays()
{
    m_days.clear();
    m_entryDay.assign(m_entryDate.size(), 0);
    for (std::int32_t e : m_byDate) {
        const DayNumber date = m_entryDate[std::size_t(e)];
        if (m_days.empty() || m_days.back().date != date)
            m_days.push_back({ date, 0 });
        m_days.back().totalMinutes += m_entryMinutes[std::size_t(e)];
        m_entryDay[std::size_t(e)] = std::int32_t(m_days.size() - 1);
    }
    m_days.shrink_to_fit();
}

void Statistics::buildActivities()
{
    // Bytes of two encodings can spell one name: the activities are the distinct texts.
    m_activities.clear();
    std::vector<std::int32_t> activityOfName(m_nameBytes.size());
    QHash<QString, std::int32_t> byText;
    for (std::size_t id = 0; id < m_nameBytes.size(); ++id) {
        QString text = decodeText(m_nameBytes[id]);
        auto it = byText.constFind(text);
        if (it == byText.cend()) {
            it = byText.insert(text, std::int32_t(m_activities.size()));
            m_activities.push_back({ std::move(text), 0, 0, 0 });
        }
        activityOfName[id] = it.value();
    }
    std::vector<bool> seen(m_activities.size(), false);
    for (std::size_t e = 0; e < m_entryActivity.size(); ++e) {
        const std::int32_t a = activityOfName[std::size_t(m_entryActivity[e])];
        m_entryActivity[e] = a;
        ActivitySummary &activity = m_activities[std::size_t(a)];
        const DayNumber date = m_entryDate[e];
        if (!seen[std::size_t(a)]) {
            seen[std::size_t(a)] = true;
            activity.firstDate = activity.lastDate = date;
        } else {
            activity.firstDate = std::min(activity.firstDate, date);
            activity.lastDate = std::max(activity.lastDate, date);
        }
        activity.totalMinutes += m_entryMinutes[e];
    }
    m_nameBytes.clear();
    m_nameBytes.shrink_to_fit();
}

void Statistics::load(const QString &programFolder)
{
    initPaths(programFolder);
    loadUserName();
    loadJournal();
    orderByDate();
    buildDays();
    buildActivities();
}

QDate Statistics::earliestDate() const
{
    return m_byDate.empty() ? QDate()
                            : QDate::fromJulianDay(m_entryDate[std::size_t(m_byDate.front())]);
}

QDate Statistics::latestDate() const
{
    return m_byDate.empty() ? QDate()
                            : QDate::fromJulianDay(m_entryDate[std::size_t(m_byDate.back())]);
}

std::int64_t Statistics::firstDayFrom(DayNumber date) const
{
    const auto it = std::lower_bound(m_days.begin(), m_days.end(), date,
        [](const DaySummary &day, DayNumber d) { return day.date < d; });
    return std::int64_t(it - m_days.begin());
}

std::int64_t Statistics::findDay(DayNumber date) const
{
    const std::int64_t i = firstDayFrom(date);
    return (i < dayCount() && m_days[std::size_t(i)].date == date) ? i : -1;
}

} // namespace qm::stats
