#include "stats/ui/report_page.h"

#include "journal/text_formats.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/ui/chart_drawing.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <utility>
#include <vector>

namespace qm::stats {

namespace {

constexpr double kMarginMillimetres = 15;
// The durations the columns are made wide enough for: "9999 h 00", and "99 h 00" beside the axis.
constexpr std::int64_t kWidestMinutes = 9999 * 60;
constexpr std::int64_t kHourLabelMinutes = 99 * 60;
const QColor kFigure(0xFF, 0xFF, 0xE1);

// One page with its fonts, its titles drawn; `body` is what is left under them.
class Page
{
public:
    explicit Page(QPagedPaintDevice &device)
        : m_device(device)
        , m_font(QStringLiteral("Sans"), 9)
        , m_bold(m_font)
        , m_small(m_font)
    {
        m_bold.setBold(true);
        m_small.setPointSize(8);
        device.setPageOrientation(QPageLayout::Landscape);
        device.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres,
                                  kMarginMillimetres),
            QPageLayout::Millimeter);
    }

    bool begin() { return painter.begin(&m_device); }
    bool end() { return painter.end(); }

    // The heading on the left, the subtitle under it, the user and the day on the right; a
    // heading too long for the room beside them goes on over more lines.
    void drawTitles(const QString &heading, const QString &subtitle, const QString &title)
    {
        const QRect page(0, 0, m_device.width(), m_device.height());
        painter.setFont(m_font);
        const QString user = title.trimmed();
        painter.drawText(page, int(Qt::AlignRight | Qt::AlignTop), user);
        QFont large = m_bold;
        large.setPointSize(14);
        painter.setFont(large);
        const QRect room = page.adjusted(0, 0, -textWidth(user) - lineHeight(), 0);
        const QRect drawn
            = painter.boundingRect(room, int(Qt::AlignLeft | Qt::TextWordWrap), heading);
        painter.drawText(room, int(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap), heading);
        painter.setFont(m_bold);
        const int subtitleTop = drawn.height() + lineHeight() / 4;
        painter.drawText(
            page.adjusted(0, subtitleTop, 0, 0), int(Qt::AlignLeft | Qt::AlignTop), subtitle);
        painter.setFont(m_font);
        body = page.adjusted(0, subtitleTop + 2 * lineHeight(), 0, 0);
    }

    int lineHeight() const { return QFontMetrics(m_font, &m_device).height() * 3 / 2; }
    int textWidth(const QString &text, bool bold = false) const
    {
        return QFontMetrics(bold ? m_bold : m_font, &m_device).horizontalAdvance(text);
    }

    // A cell of the legend or a figure: its fill, a border, the text inside.
    void cell(
        const QRect &rect, const QString &text, Qt::Alignment alignment, const QColor &fill = {})
    {
        if (fill.isValid())
            painter.fillRect(rect, fill);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
        const int pad = lineHeight() / 5;
        painter.setPen(inkOn(fill.isValid() ? fill : QColor(Qt::white)));
        painter.drawText(rect.adjusted(pad, 0, -pad, 0), int(alignment | Qt::AlignVCenter), text);
        painter.setPen(Qt::black);
    }

    // Captions right-aligned against their values, one line each, from `top` down.
    int figures(int left, int top, int width, const std::vector<std::pair<QString, QString>> &rows)
    {
        // As wide as the widest duration or the widest of the values, in bold.
        int value = textWidth(durationText(kWidestMinutes), true);
        for (const auto &row : rows)
            value = std::max(value, textWidth(row.second, true));
        value += lineHeight();
        const int line = lineHeight();
        for (const auto &[caption, text] : rows) {
            painter.setFont(m_font);
            painter.drawText(QRect(left, top, width - value - line / 2, line),
                int(Qt::AlignRight | Qt::AlignVCenter), caption);
            painter.setFont(m_bold);
            cell(QRect(left + width - value, top, value, line), text, Qt::AlignHCenter, kFigure);
            top += line + line / 4;
        }
        painter.setFont(m_font);
        return top;
    }

    const QFont &font() const { return m_font; }
    const QFont &small() const { return m_small; }

    QPainter painter;
    QRect body;

private:
    QPagedPaintDevice &m_device;
    QFont m_font;
    QFont m_bold;
    QFont m_small;
};

} // namespace

bool printReportByDate(const ReportByDate &report, QPagedPaintDevice &device)
{
    Page page(device);
    if (!page.begin())
        return false;
    page.drawTitles(QCoreApplication::translate("qm::stats::ReportPage", "Statistiques par dates"),
        report.periodTitle, report.title);
    const QRect body = page.body;
    // The pie and the figures on the left, the legend on the right.
    const int left = body.width() * 2 / 5;
    const int line = page.lineHeight();
    const int figuresHeight = 3 * (line + line / 4);
    const int diameter = std::min(left - line, body.height() - figuresHeight - 2 * line);
    const QRectF disc(body.left() + (left - diameter) / 2.0, body.top(), diameter, diameter);
    drawPie(page.painter, disc, report, page.font());
    page.figures(body.left(), body.top() + diameter + 2 * line, left - line,
        { { QCoreApplication::translate(
                "qm::stats::ByDateWindow", "Nombre d'évènements sur la période :"),
              report.entryCountText },
            { QCoreApplication::translate("qm::stats::ByDateWindow", "Durée totale enregistrée :"),
                report.durationText },
            { QCoreApplication::translate(
                  "qm::stats::ByDateWindow", "Activités uniques sur la période :"),
                report.activityCountText } });

    const int shareWidth = page.textWidth(QStringLiteral("100 %")) * 2;
    const int timeWidth = page.textWidth(durationText(kWidestMinutes)) * 3 / 2;
    const int x = body.left() + left;
    const int nameWidth = body.right() - x - shareWidth - timeWidth;
    int top = body.top();
    for (const LegendRow &row : report.legend) {
        // A long name goes on over as many lines as it needs.
        const QRect name = page.painter.boundingRect(QRect(0, 0, nameWidth - line / 2, 0),
            int(Qt::TextWordWrap), row.activityText.trimmed());
        const int height = std::max(line, name.height() + line / 3);
        page.cell(QRect(x, top, shareWidth, height), row.percentText, Qt::AlignHCenter,
            sliceColours()[std::size_t(row.colourIndex)]);
        page.cell(QRect(x + shareWidth, top, timeWidth, height), row.timeText, Qt::AlignHCenter);
        page.painter.drawRect(QRect(x + shareWidth + timeWidth, top, nameWidth, height));
        page.painter.drawText(
            QRect(x + shareWidth + timeWidth + line / 5, top, nameWidth - line / 2, height),
            int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap), row.activityText.trimmed());
        top += height;
    }
    return page.end();
}

bool printReportByActivity(const ReportByActivity &report, QPagedPaintDevice &device)
{
    Page page(device);
    if (!page.begin())
        return false;
    page.drawTitles(report.activityTitle, report.xAxis, report.title);
    const QRect body = page.body;
    const int line = page.lineHeight();
    static constexpr const char *kWindow = "qm::stats::ByActivityWindow";
    const int half = body.width() / 3;
    page.figures(body.left(), body.top(), half,
        { { QCoreApplication::translate(kWindow, "Date de début :"), report.firstDate },
            { QCoreApplication::translate(kWindow, "Date de fin :"), report.lastDate } });
    const int bottom = page.figures(body.left() + half, body.top(), body.width() - half,
        { { QCoreApplication::translate(
                kWindow, "Nombre de journées enregistrées sur la période :"),
              report.recordedDaysText },
            { QCoreApplication::translate(
                  kWindow, "Nombre de journées concernées par l'activité :"),
                report.concernedDaysText },
            { QCoreApplication::translate(kWindow, "Durée totale enregistrée sur la période :"),
                report.spanDuration },
            { QCoreApplication::translate(kWindow, "Durée totale de l'activité :"),
                report.activityDuration },
            { QCoreApplication::translate(
                  kWindow, "Pourcentage représenté par l'activité sur la période :"),
                report.percentText } });
    // The legend's two squares, as the window shows them.
    int top = body.top() + 3 * line;
    const auto legend = [&](const QColor &colour, const QString &text) {
        page.painter.setPen(Qt::black);
        page.painter.setBrush(colour);
        page.painter.drawRect(QRect(body.left(), top, line * 2 / 3, line * 2 / 3));
        page.painter.drawText(QRect(body.left() + line, top - line / 6, half * 2, line),
            int(Qt::AlignLeft | Qt::AlignVCenter), text);
        top += line;
    };
    legend(QColor(255, 0, 0),
        QCoreApplication::translate(
            "qm::stats::ByActivityWindow", "durée de l'activité sur la journée", "chart legend"));
    legend(QColor(210, 210, 210),
        QCoreApplication::translate("qm::stats::ByActivityWindow",
            "durée totale enregistrée pour la journée", "chart legend"));

    // The chart under the figures, the axis's labels to its left and the dates under it.
    const int axisRoom = page.textWidth(durationText(kHourLabelMinutes)) + line;
    // The bars take the whole width, however many pixels they take on the screen.
    const double width = body.width() - axisRoom - line;
    const QRectF plot(body.left() + axisRoom, bottom + 2 * line,
        width * kChartMaxWidth / std::max(report.chartWidth, 1), body.bottom() - bottom - 5 * line);
    page.painter.setFont(page.font());
    page.painter.drawText(QRectF(body.left(), plot.top() - 1.5 * line, axisRoom * 2, line),
        int(Qt::AlignLeft | Qt::AlignVCenter), report.yMax);
    drawBarChart(page.painter, plot, report, page.small());
    return page.end();
}

} // namespace qm::stats
