#include "stats/ui/chart_drawing.h"

#include "journal/text_formats.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/chart_geometry.h"

#include <QFontMetricsF>
#include <QPainter>

namespace qm::stats {

namespace {

// QPainter takes pie angles in sixteenths of a degree.
constexpr int kAngleUnitsPerDegree = 16;
constexpr int kFullTurn = 360;
// The border between slices, as a share of the radius: one pixel and a half on the screen.
constexpr double kBorderPerRadius = 1.5 / kPieRadius;
const QColor kHourLine(0xC8, 0xC8, 0xC8);
const QColor kGrey(210, 210, 210);
const QColor kRed(255, 0, 0);
constexpr int kDayAndMonth = 5; // "dd/mm" of "dd/mm/yyyy"
constexpr double kTick = 3; // pixels of the surface under the axis; a Monday's twice as long

// Maps the chart's pixels of the surface into `plot`.
class ChartMap
{
public:
    explicit ChartMap(const QRectF &plot)
        : m_plot(plot)
        , m_sx(plot.width() / kChartMaxWidth)
        , m_sy(plot.height() / kChartHeight)
    { }
    double x(double surfaceX) const { return m_plot.left() + (surfaceX - kChartLeft) * m_sx; }
    double y(double surfaceY) const
    {
        return m_plot.top() + (surfaceY - (kChartBase - kChartHeight)) * m_sy;
    }
    QPointF at(double surfaceX, double surfaceY) const { return { x(surfaceX), y(surfaceY) }; }
    // The axis stands two pixels left of the bars, however wide they are drawn.
    double axisX() const { return x(kChartLeft) - (kChartLeft - kAxisX) * m_sy; }
    double sx() const { return m_sx; }
    double sy() const { return m_sy; }

private:
    QRectF m_plot;
    double m_sx;
    double m_sy;
};

void drawHourLines(QPainter &painter, const ChartMap &map, const ReportByActivity &report,
    const QFontMetricsF &metrics)
{
    const double right = map.x(kChartLeft + report.chartWidth);
    for (const HourLine &line :
        hourLines(report.maxDayMinutes, metrics.height() * 1.2 / map.sy())) {
        const double y = map.y(line.y);
        painter.setPen(QPen(kHourLine, 0));
        painter.drawLine(QPointF(map.axisX(), y), QPointF(right, y));
        if (!line.labelled)
            continue;
        painter.setPen(Qt::black);
        const QRectF text(
            0, y - metrics.height(), map.axisX() - 4 * map.sy(), 2 * metrics.height());
        painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, hourText(line.hours));
    }
}

void drawDates(
    QPainter &painter, const ChartMap &map, const ReportByActivity &report, const QFont &font)
{
    QFont monday = font;
    monday.setBold(true);
    const QFontMetricsF metrics(monday, painter.device());
    const QString shape = QStringLiteral("00/00");
    const double width = metrics.horizontalAdvance(shape);
    const double axis = map.y(kAxisBottom);
    painter.setPen(QPen(Qt::black, 0));
    for (const DateTick &tick : dateTicks(report, width / map.sx())) {
        const double x = map.x(tick.x);
        painter.drawLine(
            QPointF(x, axis), QPointF(x, axis + kTick * map.sy() * (tick.monday ? 2 : 1)));
        if (!tick.labelled)
            continue;
        painter.setFont(tick.monday ? monday : font);
        const QRectF text(x - width, axis + 2 * kTick * map.sy(), 2 * width, metrics.height());
        painter.drawText(
            text, Qt::AlignHCenter | Qt::AlignTop, dateText(tick.date).left(kDayAndMonth));
    }
    painter.setFont(font);
}

constexpr int kDarkGrey = 128;

} // namespace

QColor inkOn(const QColor &fill)
{
    return qGray(fill.rgb()) < kDarkGrey ? Qt::white : Qt::black;
}

void drawPie(QPainter &painter, const QRectF &disc, const ReportByDate &report, const QFont &font)
{
    const double radius = disc.width() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, radius * kBorderPerRadius));
    for (const PieSlice &slice : report.slices) {
        painter.setBrush(sliceColours()[std::size_t(slice.colourIndex)]);
        if (slice.spanAngle >= kFullTurn)
            painter.drawEllipse(disc);
        else
            painter.drawPie(disc, slice.startAngle * kAngleUnitsPerDegree,
                slice.spanAngle * kAngleUnitsPerDegree);
    }
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QSizeF label(
        metrics.horizontalAdvance(QStringLiteral("100 %")) / radius, metrics.height() / radius);
    for (const PieLabel &l : pieLabels(report, label)) {
        QRectF text(QPointF(), label * radius);
        text.moveCenter(disc.center() + l.centre * radius);
        const PieSlice &slice = report.slices[std::size_t(l.slice)];
        painter.setPen(inkOn(sliceColours()[std::size_t(slice.colourIndex)]));
        painter.drawText(text, Qt::AlignCenter, l.text);
    }
    painter.restore();
}

void drawBarChart(
    QPainter &painter, const QRectF &plot, const ReportByActivity &report, const QFont &font)
{
    painter.save();
    painter.setFont(font);
    const ChartMap map(plot);
    drawHourLines(painter, map, report, QFontMetricsF(font, painter.device()));
    // Corners are both included, so that a bar of width 0 is still a one-pixel column.
    for (const Bar &bar : report.bars) {
        for (const auto &[height, colour] :
            { std::pair(bar.greyHeight, kGrey), std::pair(bar.redHeight, kRed) }) {
            if (height > 0)
                painter.fillRect(
                    QRectF(map.at(bar.x1, kChartBase - height), map.at(bar.x2 + 1, kChartBase + 1)),
                    colour);
        }
    }
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(
        QPointF(map.axisX(), map.y(kAxisTop)), QPointF(map.axisX(), map.y(kAxisBottom)));
    painter.drawLine(QPointF(map.axisX(), map.y(kAxisBottom)),
        map.at(kChartLeft + report.chartWidth, kAxisBottom));
    drawDates(painter, map, report, font);
    painter.restore();
}

} // namespace qm::stats
