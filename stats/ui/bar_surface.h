#pragma once

#include "stats/core/by_activity.h"

#include <QWidget>

#include <optional>

namespace qm::stats {

// The drawing surface of the report by activity: the legend squares and the chart, whose bars
// tell their date and durations in their tooltip; the figures are its child labels.
class BarSurface : public QWidget
{
    Q_OBJECT
public:
    explicit BarSurface(QWidget *parent = nullptr);

    void setReport(ReportByActivity report);

    static const QColor kGrey;
    static const QColor kRed;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    std::optional<ReportByActivity> m_report; // no chart before the first report
};

} // namespace qm::stats
