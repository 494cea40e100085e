#pragma once

class QPagedPaintDevice;

namespace qm::stats {

struct ReportByActivity;
struct ReportByDate;

// The reports as printed: one landscape page inside margins, drawn at the device's own
// resolution as text and shapes, the report's titles at the top, each name written in full.
// False when the device refused the page.
bool printReportByDate(const ReportByDate &report, QPagedPaintDevice &device);
bool printReportByActivity(const ReportByActivity &report, QPagedPaintDevice &device);

} // namespace qm::stats
