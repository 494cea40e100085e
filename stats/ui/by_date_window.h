#pragma once

#include "stats/core/by_date.h"
#include "stats/ui/report_window.h"

#include <QDate>

#include <array>
#include <memory>

namespace qm::stats {

class PieSurface;
class TimeSheetWindow;

class ByDateWindow : public ReportWindow
{
    Q_OBJECT
public:
    ByDateWindow(const Statistics &stats, const Clock &clock, UserNotice &notice);
    ~ByDateWindow() override;

    void showReportByDate(QDate from, QDate to);
    // The same report drawn, the window left as it is.
    void fillReportByDate(QDate from, QDate to);

private:
    QByteArray spreadsheet() const override;
    QString exportName() const override;
    PageDrawing page() const override;
    void showLegend(const ReportByDate &report);
    void showTimeSheet();

    QDate m_from;
    QDate m_to;
    ReportByDate m_report;

    PieSurface *m_pie;
    std::array<QLabel *, 27> m_legendShares {};
    std::array<QLabel *, 27> m_legendDurations {};
    std::array<QLabel *, 27> m_legendNames {};
    QLabel *m_entryCount;
    QLabel *m_totalDuration;
    QLabel *m_activityCount;
    std::unique_ptr<TimeSheetWindow> m_timeSheet;
};

} // namespace qm::stats
