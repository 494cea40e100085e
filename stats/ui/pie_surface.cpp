#include "stats/ui/pie_surface.h"

#include <QPainter>

namespace qm::stats {

namespace {

// QPainter takes pie angles in sixteenths of a degree.
constexpr int kAngleUnitsPerDegree = 16;

} // namespace

PieSurface::PieSurface(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
}

void PieSurface::setSlices(std::vector<PieSlice> slices)
{
    m_slices = std::move(slices);
    update();
}

void PieSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const QRectF disc(
        kPieCentreX - kPieRadius, kPieCentreY - kPieRadius, 2 * kPieRadius, 2 * kPieRadius);
    for (const PieSlice &slice : m_slices)
        drawSlice(painter, disc, slice);
}

void PieSurface::drawSlice(QPainter &painter, const QRectF &disc, const PieSlice &slice)
{
    painter.setBrush(sliceColours()[std::size_t(slice.colourIndex)]);
    if (slice.spanAngle >= 360)
        painter.drawEllipse(disc);
    else
        painter.drawPie(
            disc, slice.startAngle * kAngleUnitsPerDegree, slice.spanAngle * kAngleUnitsPerDegree);
}

} // namespace qm::stats
