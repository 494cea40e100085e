#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

namespace qm::stats {

class Statistics;

struct BarLayout
{
    int barWidth = 0;
    int daysPerBar = 0;
    int barGap = 0;
};

// Pixel columns x1..x2 (both included) and heights above the base line y 520; a height of 0
// draws nothing.
struct Bar
{
    int x1 = 0;
    int x2 = 0;
    int greyHeight = 0;
    int redHeight = 0;
    QDate firstDay; // of the days it stands for
    std::int64_t activityMinutes = 0; // over all its days
    std::int64_t totalMinutes = 0;
};

struct ReportByActivity
{
    std::int64_t spanDays = 0;
    std::int64_t spanTotalMinutes = 0;
    std::int64_t maxDayMinutes = 0;
    std::int64_t recordedDays = 0;
    std::int64_t concernedDays = 0;
    BarLayout layout;
    QDate firstDay; // of the span
    int chartWidth = 0;
    std::vector<Bar> bars;
    QString title; // frmTitle
    QString activityTitle; // lblTitle
    QString yMax; // lblYMAX
    QString activityDuration; // lblDA
    QString firstDate; // lblDMIN
    QString lastDate; // lblDMAX
    QString spanDuration; // lblDU
    QString recordedDaysText; // lblNJ
    QString percentText; // lblPC
    QString concernedDaysText; // lblNJC
    QString xAxis; // lblXaxis
};

inline constexpr int kChartLeft = 80;
inline constexpr int kChartBase = 520;
inline constexpr int kChartHeight = 300;
inline constexpr int kChartMaxWidth = 600;
inline constexpr int kAxisX = 78;
inline constexpr int kAxisTop = 220;
inline constexpr int kAxisBottom = 522;

// Bars of one or more days, so that any span fits in kChartMaxWidth pixels.
BarLayout barLayoutFor(std::int64_t spanDays);

// The bar drawn at the surface's column x, or -1 when x is beside the bars.
int barAt(const ReportByActivity &report, double x);
// "02/03/2026 : 1 h 30 (journée : 7 h 00)": what the bar stands for, its days and minutes.
QString barToolTip(const ReportByActivity &report, int bar);

// The activity's time on each day of its span beside the day's whole time.
ReportByActivity reportByActivity(const Statistics &stats, std::int32_t activityIndex, QDate today);

} // namespace qm::stats
