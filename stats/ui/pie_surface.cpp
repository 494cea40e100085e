#include "stats/ui/pie_surface.h"

#include "stats/core/chart_geometry.h"
#include "stats/ui/chart_drawing.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace qm::stats {

namespace {

const QPointF kCentre(kPieCentreX, kPieCentreY);

} // namespace

PieSurface::PieSurface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
}

void PieSurface::setReport(ReportByDate report)
{
    m_report = std::move(report);
    update();
}

void PieSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QRectF disc(0, 0, 2 * kPieRadius, 2 * kPieRadius);
    disc.moveCenter(kCentre);
    drawPie(painter, disc, m_report, font());
}

bool PieSurface::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const int slice = sliceAt(m_report, (QPointF(help->pos()) - kCentre) / kPieRadius);
    if (slice < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const PieSlice &s = m_report.slices[std::size_t(slice)];
    QToolTip::showText(
        help->globalPos(), m_report.legend.at(std::size_t(s.legendRow)).toolTip, this);
    return true;
}

} // namespace qm::stats
