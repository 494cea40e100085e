#pragma once

#include <cstdint>
#include <string>

// The least a program can do with a journal: read it, split the fields, parse the dates and
// minutes, sum per day and per activity, and sort the entries by date.
struct FloorResult
{
    std::int64_t entries = 0;
    std::int64_t days = 0;
    std::int64_t activities = 0;
    std::int64_t totalMinutes = 0;
};

FloorResult floorLoad(const std::string &path);
