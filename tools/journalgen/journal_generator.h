#pragma once

#include <cstdint>
#include <string>

namespace qm::journalgen {

struct GeneratorOptions
{
    std::int64_t entries = 0;
    std::uint64_t seed = 1;
    double outOfOrderPercent = 2; // share of days closed late, after a few later days
};

// Writes a journal of realistic days in the program's own byte format; false when the file
// cannot be written.
bool generateJournal(const std::string &path, const GeneratorOptions &options);

} // namespace qm::journalgen
