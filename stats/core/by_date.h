#pragma once

#include <QColor>
#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace qm::stats {

class Statistics;

struct PeriodRow
{
    QString name;
    std::int64_t minutes = 0;
    float percent = -1; // -1 when the activity has no minutes in the period
};

// Whole degrees, counter-clockwise from 3 o'clock, as QPainter::drawPie takes them (x 16).
struct PieSlice
{
    int startAngle = 0;
    int spanAngle = 0;
    int colourIndex = 0;
    int legendRow = 0; // the row of the legend that names it
};

struct LegendRow
{
    QString percentText;
    QString timeText;
    QString activityText;
    int colourIndex = 0;
    double share = 0; // in percent, unrounded
    QString toolTip; // the whole name, its duration and its share
};

struct ReportByDate
{
    std::int64_t periodEntryCount = 0;
    std::int64_t periodTotalMinutes = 0;
    std::int64_t periodActivityCount = 0;
    std::vector<PeriodRow> periodRows; // sorted, largest share first
    std::vector<PieSlice> slices;
    std::vector<LegendRow> legend;
    QString title; // frmTitle
    QString periodTitle; // lblTitle
    QString entryCountText;
    QString durationText;
    QString activityCountText;
};

inline constexpr int kLegendRows = 27;
inline constexpr int kPieCentreX = 590;
inline constexpr int kPieCentreY = 320;
inline constexpr int kPieRadius = 140;
inline constexpr float kOwnSliceThreshold = 4;

const std::array<QColor, 20> &sliceColours();
// The legend line that gathers the small slices, in the language of the windows.
QString othersCaption();

// The share of each activity in the days from `from` to `to`, both included.
ReportByDate reportByDate(const Statistics &stats, QDate from, QDate to, QDate today);

// One slice of `sweep` degrees from `start` (degrees counter-clockwise from 12 o'clock, as the
// shares add up); returns the start of the next slice.
double placeSlice(double start, double sweep, int colourIndex, PieSlice &slice);

// " Dupont - 07/12/2026 ": the frame title of both reports.
QString reportTitle(const QString &userName, QDate today);

} // namespace qm::stats
