#include "stats/ui/bar_surface.h"

#include "stats/ui/chart_drawing.h"
#include "stats/ui/form_controls.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace qm::stats {

const QColor BarSurface::kGrey(210, 210, 210);
const QColor BarSurface::kRed(255, 0, 0);

namespace {

const QRectF kPlot(kChartLeft, kChartBase - kChartHeight, kChartMaxWidth, kChartHeight);

} // namespace

BarSurface::BarSurface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
}

void BarSurface::setReport(ReportByActivity report)
{
    m_report = std::move(report);
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
    if (m_report)
        drawBarChart(painter, kPlot, *m_report, font());
}

bool BarSurface::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int bar = m_report && help->pos().y() >= kAxisTop && help->pos().y() <= kAxisBottom
        ? barAt(*m_report, help->pos().x())
        : -1;
    if (bar < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), barToolTip(*m_report, bar), this);
    return true;
}

} // namespace qm::stats
