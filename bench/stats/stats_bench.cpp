#include "floor_load.h"
#include "journal_generator.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/qmstat.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>

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

void loadAll(qm::stats::QMstat &stats, const QString &folder)
{
    stats.InitPaths(folder);
    stats.LoadJournal();
    stats.OrderByDate();
    stats.BuildDays();
    stats.BuildActivities();
}

void BM_LoadJournal(benchmark::State &state)
{
    const QString folder = journalFolder(state.range(0), int(state.range(1)));
    // The floor's runs also bring the file into the page cache, so that neither side pays for
    // the disk.
    const double floor = floorSeconds(folder);
    double best = 1e9;
    for (auto _ : state) {
        qm::stats::QMstat stats;
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

const qm::stats::QMstat &loaded(std::int64_t entries)
{
    static std::map<std::int64_t, qm::stats::QMstat> cache;
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
        auto report = qm::stats::ShowReportByDate(
            stats, stats.earliestDate(), stats.latestDate(), stats.latestDate());
        benchmark::DoNotOptimize(report.periodTotalMinutes);
    }
}

void BM_ReportByActivity(benchmark::State &state)
{
    const auto &stats = loaded(state.range(0));
    const auto &activities = stats.activities();
    const auto top = std::max_element(activities.begin(), activities.end(),
        [](const auto &a, const auto &b) { return a.totalMinutes < b.totalMinutes; });
    const auto index = std::int32_t(top - activities.begin());
    for (auto _ : state) {
        auto report = qm::stats::ShowReportByActivity(stats, index, stats.latestDate());
        benchmark::DoNotOptimize(report.spanTotalMinutes);
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
BENCHMARK(BM_ReportByDate)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportByActivity)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
