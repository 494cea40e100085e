#pragma once

#include "stats/core/by_date.h"

#include <QWidget>

namespace qm::stats {

// The drawing surface of the report by date: white, with the pie; the legend and the figures
// are its child labels. A slice's tooltip names its activity with its duration.
class PieSurface : public QWidget
{
    Q_OBJECT
public:
    explicit PieSurface(QWidget *parent = nullptr);

    void setReport(ReportByDate report);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    ReportByDate m_report;
};

} // namespace qm::stats
