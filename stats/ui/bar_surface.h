#pragma once

#include "stats/core/by_activity.h"

#include <QWidget>

#include <vector>

namespace qm::stats {

// The drawing surface of the report by activity: axes, the legend squares and one grey and
// one red box per bar; the figures are its child labels.
class BarSurface : public QWidget
{
    Q_OBJECT
public:
    explicit BarSurface(QWidget *parent = nullptr);

    void setChart(std::vector<Bar> bars, int chartWidth);

    static const QColor kGrey;
    static const QColor kRed;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Bar> m_bars;
    int m_chartWidth = -1; // no axes before the first report
};

} // namespace qm::stats
