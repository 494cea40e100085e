#pragma once

#include "stats/ui/report_window.h"

#include <QDate>

#include <array>

namespace qm::stats {

class PieSurface;
struct ReportByDate;

class frmByDate : public ReportWindow
{
    Q_OBJECT
public:
    frmByDate(const QMstat &stats, const Clock &clock, UserNotice &notice);

    void ShowReportByDate(QDate from, QDate to);

private:
    QByteArray spreadsheet() const override;
    QString exportName() const override;
    void showLegend(const ReportByDate &report);

    QDate m_from;
    QDate m_to;

    PieSurface *m_pie;
    std::array<QLabel *, 27> m_lblFlxPercent {};
    std::array<QLabel *, 27> m_lblFlxTime {};
    std::array<QLabel *, 27> m_lblFlxAct {};
    QLabel *m_lblNE;
    QLabel *m_lblDU;
    QLabel *m_lblNA;
};

} // namespace qm::stats
