#pragma once

#include "stats/core/by_activity.h"
#include "stats/ui/report_window.h"

#include <cstdint>

namespace qm::stats {

class BarSurface;

class ByActivityWindow : public ReportWindow
{
    Q_OBJECT
public:
    ByActivityWindow(const Statistics &stats, const Clock &clock, UserNotice &notice);

    void showReportByActivity(std::int32_t activityIndex);
    // The same report drawn, the window left as it is.
    void fillReportByActivity(std::int32_t activityIndex);

private:
    QByteArray spreadsheet() const override;
    QString exportName() const override;
    PageDrawing page() const override;

    std::int32_t m_activityIndex = 0;
    ReportByActivity m_report;
    BarSurface *m_bars;
    QLabel *m_firstDate;
    QLabel *m_lastDate;
    QLabel *m_recordedDays;
    QLabel *m_concernedDays;
    QLabel *m_spanDuration;
    QLabel *m_activityDuration;
    QLabel *m_percent;
    QLabel *m_yMax;
    QLabel *m_xAxis;
};

} // namespace qm::stats
