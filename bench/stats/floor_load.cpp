#include "floor_load.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unordered_map>
#include <vector>

namespace {

int julianOf(int d, int m, int y)
{
    const int a = (14 - m) / 12;
    const int yy = y + 4800 - a;
    const int mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

struct Entry
{
    int date;
    int minutes;
    int activity;
};

} // namespace

FloorResult floorLoad(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Entry> entries;
    std::unordered_map<std::string, int> activityIds;
    std::vector<long long> activityMinutes;
    std::unordered_map<int, long long> dayMinutes;
    const char *p = text.data();
    const char *end = p + text.size();
    while (p < end) {
        const char *eol = static_cast<const char *>(std::memchr(p, '\n', std::size_t(end - p)));
        if (!eol)
            eol = end;
        const char *c1 = static_cast<const char *>(std::memchr(p, ',', std::size_t(eol - p)));
        const char *c2 = c1
            ? static_cast<const char *>(std::memchr(c1 + 1, ',', std::size_t(eol - c1 - 1)))
            : nullptr;
        if (c2) {
            const char *c3
                = static_cast<const char *>(std::memchr(c2 + 1, ',', std::size_t(eol - c2 - 1)));
            char *q;
            const int d = int(std::strtol(p, &q, 10));
            const int m = int(std::strtol(q + 1, &q, 10));
            const int y = int(std::strtol(q + 1, &q, 10));
            const Entry entry { julianOf(d, m, y), int(std::strtol(c1 + 1, nullptr, 10)), 0 };
            const auto [it, added] = activityIds.try_emplace(
                std::string(c2 + 1, c3 ? c3 : eol), int(activityIds.size()));
            if (added)
                activityMinutes.push_back(0);
            activityMinutes[std::size_t(it->second)] += entry.minutes;
            dayMinutes[entry.date] += entry.minutes;
            entries.push_back({ entry.date, entry.minutes, it->second });
        }
        p = eol + 1;
    }
    std::stable_sort(entries.begin(), entries.end(),
        [](const Entry &a, const Entry &b) { return a.date < b.date; });
    FloorResult result { std::int64_t(entries.size()), std::int64_t(dayMinutes.size()),
        std::int64_t(activityIds.size()), 0 };
    for (long long m : activityMinutes)
        result.totalMinutes += m;
    return result;
}
