#include "stats/ui/bar_surface.h"

#include "stats/ui/form_controls.h"

#include <QPainter>

namespace qm::stats {

const QColor BarSurface::kGrey(210, 210, 210);
const QColor BarSurface::kRed(255, 0, 0);

BarSurface::BarSurface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
}

void BarSurface::setChart(std::vector<Bar> bars, int chartWidth)
{
    m_bars = std::move(bars);
    m_chartWidth = chartWidth;
    update();
}

void BarSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    painter.setBrush(kRed);
    painter.drawRect(twipsRect(1140, 2070, 300, 300).adjusted(0, 0, -1, -1));
    painter.setBrush(kGrey);
    painter.drawRect(twipsRect(1140, 2400, 300, 300).adjusted(0, 0, -1, -1));
    if (m_chartWidth < 0)
        return;
    painter.setPen(Qt::black);
    painter.drawLine(kAxisX, kAxisTop, kAxisX, kAxisBottom);
    painter.drawLine(kAxisX, kAxisBottom, kChartLeft + m_chartWidth, kAxisBottom);
    // Corners are both included, so that a bar of width 0 is still a one-pixel column.
    for (const Bar &bar : m_bars) {
        if (bar.greyHeight > 0)
            painter.fillRect(
                QRect(QPoint(bar.x1, kChartBase - bar.greyHeight), QPoint(bar.x2, kChartBase)),
                kGrey);
        if (bar.redHeight > 0)
            painter.fillRect(
                QRect(QPoint(bar.x1, kChartBase - bar.redHeight), QPoint(bar.x2, kChartBase)),
                kRed);
    }
}

} // namespace qm::stats
