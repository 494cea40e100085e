#include "stats/ui/frm_by_date.h"

#include "journal/datetime.h"
#include "stats/core/by_date.h"
#include "stats/core/report_export.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/pie_surface.h"

#include <QLabel>

namespace qm::stats {

namespace {

QLabel *legendLabel(
    QWidget *parent, const QString &name, int k, int left, int width, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1_%2").arg(name).arg(k));
    label->setGeometry(twipsRect(left, 1320 + 240 * k, width, 255));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
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

frmByDate::frmByDate(const QMstat &stats, const Clock &clock, UserNotice &notice)
    : ReportWindow(stats, clock, notice, new PieSurface, QStringLiteral("QMStat-dates.pdf"))
    , m_pie(static_cast<PieSurface *>(surface()))
{
    setObjectName(QStringLiteral("frmByDate"));
    setWindowTitle(tr("Quillmere 3 - Statistiques par dates"));
    createTitle(twipsRect(120, 120, 8370, 870), twipsRect(210, 375, 4530, 360));
    setTitles(tr(" Utilisateur - xx/xx/xxxx ", "placeholder until a report is shown"),
        tr("Période du xx/xx/xxxx au xx/xx/xxxx", "placeholder until a report is shown"));
    for (int k = 0; k < kLegendRows; ++k) {
        m_lblFlxPercent[k]
            = legendLabel(m_pie, QStringLiteral("lblFlxPercent"), k, 240, 975, Qt::AlignHCenter);
        m_lblFlxTime[k]
            = legendLabel(m_pie, QStringLiteral("lblFlxTime"), k, 1200, 1095, Qt::AlignHCenter);
        m_lblFlxAct[k]
            = legendLabel(m_pie, QStringLiteral("lblFlxAct"), k, 2280, 3855, Qt::AlignLeft);
    }
    // The captions reach back to the legend's edge, so that they fit in any font; their right
    // edge stays where the right-aligned text is expected, 105 twips before the values.
    const int tops[] = { 1320, 1650, 1980 };
    const int captionLeft = 6180;
    const int captionWidth = 9735 - captionLeft;
    captionLabel(m_pie, tr("Nombre d'évènements sur la période :"),
        twipsRect(captionLeft, tops[0], captionWidth, 240));
    captionLabel(m_pie, tr("Durée totale enregistrée :"),
        twipsRect(captionLeft, tops[1], captionWidth, 240));
    captionLabel(m_pie, tr("Activités uniques sur la période :"),
        twipsRect(captionLeft, tops[2], captionWidth, 240));
    m_lblNE = valueLabel(m_pie, QStringLiteral("lblNE"), twipsRect(9840, tops[0], 1215, 240));
    m_lblDU = valueLabel(m_pie, QStringLiteral("lblDU"), twipsRect(9840, tops[1], 1215, 240));
    m_lblNA = valueLabel(m_pie, QStringLiteral("lblNA"), twipsRect(9840, tops[2], 1215, 240));
    createButtons(7335, 7830);
}

QByteArray frmByDate::spreadsheet() const
{
    return exportByDate(m_stats, m_from, m_to);
}

QString frmByDate::exportName() const
{
    return byDateExportName(m_from, m_to);
}

void frmByDate::ShowReportByDate(QDate from, QDate to)
{
    m_from = from;
    m_to = to;
    const ReportByDate report = reportByDate(m_stats, from, to, m_clock.now().date());
    showLegend(report);
    m_pie->setSlices(report.slices);
    setTitles(report.title, report.periodTitle);
    m_lblNE->setText(report.entryCountText);
    m_lblDU->setText(report.durationText);
    m_lblNA->setText(report.activityCountText);
    present();
}

void frmByDate::showLegend(const ReportByDate &report)
{
    for (int k = 0; k < kLegendRows; ++k) {
        for (QLabel *label : { m_lblFlxPercent[k], m_lblFlxTime[k], m_lblFlxAct[k] }) {
            label->clear();
            setBackground(label, Qt::white);
            label->hide();
        }
    }
    for (std::size_t k = 0; k < report.legend.size() && k < std::size_t(kLegendRows); ++k) {
        const LegendRow &row = report.legend[k];
        setBackground(m_lblFlxPercent[k], sliceColours()[std::size_t(row.colourIndex)]);
        m_lblFlxPercent[k]->setText(row.percentText);
        m_lblFlxTime[k]->setText(row.timeText);
        m_lblFlxAct[k]->setText(row.activityText);
        for (QLabel *label : { m_lblFlxPercent[k], m_lblFlxTime[k], m_lblFlxAct[k] })
            label->show();
    }
}

} // namespace qm::stats
