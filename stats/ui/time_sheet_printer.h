#pragma once

class QPagedPaintDevice;

namespace qm::stats {

struct TimeSheet;

// The most days a printed page of the sheet holds.
inline constexpr int kSheetDaysPerPage = 14;

// Draws the sheet in landscape, as text and lines at the device's own resolution: the title on
// each page, then the activity column and the headings with at most 14 days, the total column
// with the last days, and as many pages as the days and lines need. False when the device
// refused a page.
bool printTimeSheet(const TimeSheet &sheet, QPagedPaintDevice &device);

} // namespace qm::stats
