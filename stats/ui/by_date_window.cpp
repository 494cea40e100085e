#include "stats/ui/by_date_window.h"

#include "journal/datetime.h"
#include "stats/core/by_date.h"
#include "stats/core/report_export.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/pie_surface.h"
#include "stats/ui/report_page.h"
#include "stats/ui/time_sheet_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace qm::stats {

namespace {

QLabel *legendLabel(
    QWidget *parent, const QString &name, int k, int left, int width, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1_%2").arg(name).arg(k));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    // The rows are 255 twips tall, or as tall as the font needs, each one's top border on the
    // bottom border of the row above.
    const int height = std::max(px(255), label->fontMetrics().height() + 2 * label->frameWidth());
    const int border = px(255) - px(240);
    label->setGeometry(px(left), px(1320) + (height - border) * k, px(width), height);
    label->setAutoFillBackground(true);
    label->hide();
    return label;
}

void setBackground(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

} // namespace

ByDateWindow::ByDateWindow(const Statistics &stats, const Clock &clock, UserNotice &notice)
    : ReportWindow(stats, clock, notice, new PieSurface, QStringLiteral("QMStat-dates.pdf"))
    , m_pie(static_cast<PieSurface *>(surface()))
{
    setObjectName(QStringLiteral("frmByDate"));
    setWindowTitle(tr("Quillmere - Statistiques par dates"));
    createTitle(twipsRect(120, 120, 8370, 870));
    setTitles(tr(" Utilisateur - xx/xx/xxxx ", "placeholder until a report is shown"),
        tr("Période du xx/xx/xxxx au xx/xx/xxxx", "placeholder until a report is shown"));
    for (int k = 0; k < kLegendRows; ++k) {
        m_legendShares[k]
            = legendLabel(m_pie, QStringLiteral("lblFlxPercent"), k, 240, 975, Qt::AlignHCenter);
        m_legendDurations[k]
            = legendLabel(m_pie, QStringLiteral("lblFlxTime"), k, 1200, 1095, Qt::AlignHCenter);
        m_legendNames[k]
            = legendLabel(m_pie, QStringLiteral("lblFlxAct"), k, 2280, 3855, Qt::AlignLeft);
    }
    // The captions reach back to the legend's edge, so that they fit in any font; their right
    // edge stays where the right-aligned text is expected, 105 twips before the values.
    QGridLayout *figures = figureColumn(m_pie, 6180, 1320, 9840 + 1215 - 6180, 105);
    m_entryCount = addFigure(
        figures, tr("Nombre d'évènements sur la période :"), QStringLiteral("lblNE"), 1215);
    m_totalDuration
        = addFigure(figures, tr("Durée totale enregistrée :"), QStringLiteral("lblDU"), 1215);
    m_activityCount = addFigure(
        figures, tr("Activités uniques sur la période :"), QStringLiteral("lblNA"), 1215);
    createButtons(7335, 7830);
    auto *sheet = button(this, QStringLiteral("cmdTimeSheet"), tr("Feuille de temps"), 1305, 435);
    addButtonAbove(sheet);
    connect(sheet, &QPushButton::clicked, this, &ByDateWindow::showTimeSheet);
}

ByDateWindow::~ByDateWindow() = default;

void ByDateWindow::showTimeSheet()
{
    if (!m_timeSheet)
        m_timeSheet = std::make_unique<TimeSheetWindow>(m_stats, notice());
    m_timeSheet->showTimeSheet(m_from, m_to);
}

QByteArray ByDateWindow::spreadsheet() const
{
    return exportByDate(m_stats, m_from, m_to);
}

QString ByDateWindow::exportName() const
{
    return byDateExportName(m_from, m_to);
}

PageDrawing ByDateWindow::page() const
{
    return [report = m_report](QPagedPaintDevice &device) {
        return printReportByDate(report, device);
    };
}

void ByDateWindow::showReportByDate(QDate from, QDate to)
{
    fillReportByDate(from, to);
    present();
}

void ByDateWindow::fillReportByDate(QDate from, QDate to)
{
    m_from = from;
    m_to = to;
    m_report = reportByDate(m_stats, from, to, m_clock.now().date());
    const ReportByDate &report = m_report;
    showLegend(report);
    m_pie->setReport(report);
    setTitles(report.title, report.periodTitle);
    m_entryCount->setText(report.entryCountText);
    m_totalDuration->setText(report.durationText);
    m_activityCount->setText(report.activityCountText);
}

void ByDateWindow::showLegend(const ReportByDate &report)
{
    for (int k = 0; k < kLegendRows; ++k) {
        for (QLabel *label : { m_legendShares[k], m_legendDurations[k], m_legendNames[k] }) {
            label->clear();
            label->setToolTip({});
            setBackground(label, Qt::white);
            label->hide();
        }
    }
    for (std::size_t k = 0; k < report.legend.size() && k < std::size_t(kLegendRows); ++k) {
        const LegendRow &row = report.legend[k];
        setBackground(m_legendShares[k], sliceColours()[std::size_t(row.colourIndex)]);
        m_legendShares[k]->setText(row.percentText);
        m_legendDurations[k]->setText(row.timeText);
        // A name too long for its row ends in "…"; the tooltip gives it whole.
        QLabel *name = m_legendNames[k];
        const int room = name->contentsRect().width() - name->fontMetrics().horizontalAdvance(u' ');
        name->setText(name->fontMetrics().elidedText(row.activityText, Qt::ElideRight, room));
        for (QLabel *label : { m_legendShares[k], m_legendDurations[k], name }) {
            label->setToolTip(row.toolTip);
            label->show();
        }
    }
}

} // namespace qm::stats
