#include "floor_load.h"
#include "journal_generator.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/report_export.h"
#include "stats/core/statistics.h"
#include "stats/core/time_sheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <vector>

namespace {

// One generated journal per size and disorder, in a folder of its own (the program reads
// "Quillmere.log" from its folder), generated once and kept between runs.
QString journalFolder(std::int64_t entries, int outOfOrderPercent)
{
    const QString folder = QDir::temp().filePath(
        QStringLiteral("qmstat-bench-%1-%2").arg(entries).arg(outOfOrderPercent));
    const QString file = QDir(folder).filePath(QStringLiteral("Quillmere.log"));
    if (!QFileInfo::exists(file)) {
        QDir().mkpath(folder);
        qm::journalgen::GeneratorOptions options;
        options.entries = entries;
        options.seed = 20261207;
        options.outOfOrderPercent = outOfOrderPercent;
        qm::journalgen::generateJournal(file.toStdString(), options);
    }
    return folder;
}

double secondsOf(auto &&work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The floor's best of three runs on the file, measured once per file.
double floorSeconds(const QString &folder)
{
    static std::map<QString, double> measured;
    auto it = measured.find(folder);
    if (it == measured.end()) {
        const std::string path
            = QDir(folder).filePath(QStringLiteral("Quillmere.log")).toStdString();
        double best = 1e9;
        for (int i = 0; i < 3; ++i)
            best = std::min(best, secondsOf([&] { benchmark::DoNotOptimize(floorLoad(path)); }));
        it = measured.emplace(folder, best).first;
    }
    return it->second;
}

void loadAll(qm::stats::Statistics &stats, const QString &folder)
{
    stats.initPaths(folder);
    stats.loadJournal();
    stats.orderByDate();
    stats.buildDays();
    stats.buildActivities();
}

void BM_LoadJournal(benchmark::State &state)
{
    const QString folder = journalFolder(state.range(0), int(state.range(1)));
    // The floor's runs also bring the file into the page cache, so that neither side pays for
    // the disk.
    const double floor = floorSeconds(folder);
    double best = 1e9;
    for (auto _ : state) {
        qm::stats::Statistics stats;
        best = std::min(best, secondsOf([&] { loadAll(stats, folder); }));
        benchmark::DoNotOptimize(stats.totalMinutes());
    }
    state.counters["best_s"] = best;
    state.counters["floor_s"] = floor;
    state.counters["ratio_to_floor"] = best / floor;
}

void BM_Floor(benchmark::State &state)
{
    const std::string path = QDir(journalFolder(state.range(0), int(state.range(1))))
                                 .filePath(QStringLiteral("Quillmere.log"))
                                 .toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(floorLoad(path));
}

constexpr int kDistinctNames = 65'000;

// Names whose unseeded FNV-1a hashes agree in their low 18 bits, more than any table of 65,000
// names uses: a name table indexed by that hash puts them all on one probe sequence. The low
// bits of FNV-1a depend only on the low bits of its state, and each step can be run backwards,
// so a four-letter ending that leads any state to the shared bits is found by a table lookup.
std::vector<QByteArray> collidingNames(int count)
{
    constexpr std::uint32_t kPrime = 16777619u;
    constexpr std::uint32_t kBits = 18;
    constexpr std::uint32_t kMask = (1u << kBits) - 1;
    std::uint32_t inverse = kPrime; // Newton's iteration for the inverse of an odd number
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - kPrime * inverse;
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEF";
    // The state before the ending, for each ending that ends on state 0.
    std::vector<std::int32_t> endingOf(kMask + 1, -1);
    for (std::int32_t e = 0; e < (1 << 20); ++e) {
        std::uint32_t h = 0;
        for (int k = 0; k < 4; ++k)
            h = ((h * inverse) & kMask) ^ std::uint8_t(kLetters[(e >> (5 * k)) & 31]);
        endingOf[h] = e;
    }
    std::vector<QByteArray> names;
    for (int n = 0; int(names.size()) < count; ++n) {
        QByteArray name = "Projet " + QByteArray::number(n) + ' ';
        std::uint32_t h = 2166136261u;
        for (char c : name)
            h = (h ^ std::uint8_t(c)) * kPrime;
        const std::int32_t e = endingOf[h & kMask];
        if (e < 0)
            continue;
        for (int k = 3; k >= 0; --k)
            name += kLetters[(e >> (5 * k)) & 31];
        names.push_back(name);
    }
    return names;
}

// A journal of 65,000 entries, each with a name of its own: ordinary names, or names chosen to
// collide in a fixed hash.
QString namesFolder(bool hostile)
{
    const QString folder = QDir::temp().filePath(
        QStringLiteral("qmstat-bench-names-%1").arg(hostile ? "hostile" : "ordinary"));
    const QString file = QDir(folder).filePath(QStringLiteral("Quillmere.log"));
    if (!QFileInfo::exists(file)) {
        QDir().mkpath(folder);
        std::vector<QByteArray> names;
        if (hostile) {
            names = collidingNames(kDistinctNames);
        } else {
            for (int n = 0; n < kDistinctNames; ++n)
                names.push_back("Projet " + QByteArray::number(n));
        }
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        for (const QByteArray &name : names)
            out.write("07/12/2026, 5," + name + ",\r\n");
    }
    return folder;
}

void BM_LoadDistinctNames(benchmark::State &state)
{
    const QString folder = namesFolder(state.range(0) != 0);
    for (auto _ : state) {
        qm::stats::Statistics stats;
        loadAll(stats, folder);
        if (stats.activityCount() != kDistinctNames)
            state.SkipWithError("the names did not load as distinct activities");
        benchmark::DoNotOptimize(stats.totalMinutes());
    }
}

const qm::stats::Statistics &loaded(std::int64_t entries)
{
    static std::map<std::int64_t, qm::stats::Statistics> cache;
    auto it = cache.find(entries);
    if (it == cache.end()) {
        it = cache.try_emplace(entries).first;
        loadAll(it->second, journalFolder(entries, 2));
    }
    return it->second;
}

void BM_ReportByDate(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    for (auto _ : state) {
        auto report = qm::stats::reportByDate(
            stats, stats.earliestDate(), stats.latestDate(), stats.latestDate());
        benchmark::DoNotOptimize(report.periodTotalMinutes);
    }
}

std::int32_t mostFrequentActivity(const qm::stats::Statistics &stats)
{
    const auto &activities = stats.activities();
    const auto top = std::max_element(activities.begin(), activities.end(),
        [](const auto &a, const auto &b) { return a.totalMinutes < b.totalMinutes; });
    return std::int32_t(top - activities.begin());
}

void BM_ReportByActivity(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    const auto index = mostFrequentActivity(stats);
    for (auto _ : state) {
        auto report = qm::stats::reportByActivity(stats, index, stats.latestDate());
        benchmark::DoNotOptimize(report.spanTotalMinutes);
    }
}

// The spreadsheet files alone, beyond the reports they come with.
void BM_ExportByDate(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    for (auto _ : state) {
        const QByteArray bytes
            = qm::stats::exportByDate(stats, stats.earliestDate(), stats.latestDate());
        benchmark::DoNotOptimize(bytes.size());
    }
}

void BM_ExportByActivity(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    const auto index = mostFrequentActivity(stats);
    for (auto _ : state) {
        const QByteArray bytes = qm::stats::exportByActivity(stats, index);
        benchmark::DoNotOptimize(bytes.size());
    }
}

// A year's time sheet, the last of the journal, and its spreadsheet file.
void BM_TimeSheetYear(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    for (auto _ : state) {
        const auto sheet
            = qm::stats::timeSheet(stats, stats.latestDate().addDays(-364), stats.latestDate());
        benchmark::DoNotOptimize(sheet.total);
    }
}

void BM_ExportTimeSheetYear(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    const auto sheet
        = qm::stats::timeSheet(stats, stats.latestDate().addDays(-364), stats.latestDate());
    for (auto _ : state) {
        const QByteArray bytes = qm::stats::exportTimeSheet(sheet);
        benchmark::DoNotOptimize(bytes.size());
    }
}

} // namespace

BENCHMARK(BM_LoadJournal)
    ->ArgsProduct({ { 100'000, 1'000'000, 5'000'000 }, { 0, 2 } })
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();
BENCHMARK(BM_Floor)
    ->ArgsProduct({ { 100'000, 1'000'000, 5'000'000 }, { 2 } })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// 0: ordinary names, 1: names that collide in a fixed hash.
BENCHMARK(BM_LoadDistinctNames)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReportByDate)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportByActivity)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportByDate)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportByActivity)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimeSheetYear)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportTimeSheetYear)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
