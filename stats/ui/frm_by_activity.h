#pragma once

#include "stats/ui/report_window.h"

#include <cstdint>

namespace qm::stats {

class BarSurface;

class frmByActivity : public ReportWindow
{
    Q_OBJECT
public:
    frmByActivity(const QMstat &stats, const Clock &clock, UserNotice &notice);

    void ShowReportByActivity(std::int32_t activityIndex);

private:
    QByteArray spreadsheet() const override;
    QString exportName() const override;

    std::int32_t m_activityIndex = 0;
    BarSurface *m_bars;
    QLabel *m_lblDMIN;
    QLabel *m_lblDMAX;
    QLabel *m_lblNJ;
    QLabel *m_lblNJC;
    QLabel *m_lblDU;
    QLabel *m_lblDA;
    QLabel *m_lblPC;
    QLabel *m_lblYMAX;
    QLabel *m_lblXaxis;
};

} // namespace qm::stats
