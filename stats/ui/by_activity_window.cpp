#include "stats/ui/by_activity_window.h"

#include "journal/datetime.h"
#include "stats/core/by_activity.h"
#include "stats/core/report_export.h"
#include "stats/core/statistics.h"
#include "stats/ui/bar_surface.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/report_page.h"

#include <QGridLayout>
#include <QLabel>

namespace qm::stats {

namespace {

constexpr int kValueWidth = 1215;

// Captions are right-aligned against their value, 60 twips before it; those of the right column
// may reach back to the end of the left column, so that long captions fit in any font.
constexpr int kRightColumnStart = 4830;

QLabel *axisLabel(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    auto *label = placed<QLabel>(parent, name, caption, at);
    label->setFont(boldFont(8.25));
    return label;
}

} // namespace

ByActivityWindow::ByActivityWindow(const Statistics &stats, const Clock &clock, UserNotice &notice)
    : ReportWindow(stats, clock, notice, new BarSurface, QStringLiteral("QMStat-activite.pdf"))
    , m_bars(static_cast<BarSurface *>(surface()))
{
    setObjectName(QStringLiteral("frmByActivity"));
    setWindowTitle(tr("Quillmere - Statistiques par activités"));
    createTitle(twipsRect(120, 120, 8385, 840));
    setTitles(
        tr(" Utilisateur - xx/xx/xxxx ", "placeholder until a report is shown"), tr("Activité : "));
    QWidget *s = m_bars;
    // The period on the left, its values at 2940 twips; the days and durations on the right,
    // their values at 9300.
    QGridLayout *left = figureColumn(s, 1245, 1200, 2940 + kValueWidth - 1245, 60);
    m_firstDate = addFigure(left, tr("Date de début :"), QStringLiteral("lblDMIN"), kValueWidth);
    m_lastDate = addFigure(left, tr("Date de fin :"), QStringLiteral("lblDMAX"), kValueWidth);
    QGridLayout *right
        = figureColumn(s, kRightColumnStart, 1200, 9300 + kValueWidth - kRightColumnStart, 60);
    m_recordedDays = addFigure(right, tr("Nombre de journées enregistrées sur la période :"),
        QStringLiteral("lblNJ"), kValueWidth);
    m_concernedDays = addFigure(right, tr("Nombre de journées concernées par l'activité :"),
        QStringLiteral("lblNJC"), kValueWidth);
    m_spanDuration = addFigure(right, tr("Durée totale enregistrée sur la période :"),
        QStringLiteral("lblDU"), kValueWidth);
    m_activityDuration = addFigure(
        right, tr("Durée totale de l'activité :"), QStringLiteral("lblDA"), kValueWidth);
    m_percent = addFigure(right, tr("Pourcentage représenté par l'activité sur la période :"),
        QStringLiteral("lblPC"), kValueWidth);
    (new QLabel(tr("durée de l'activité sur la journée", "chart legend"), s))
        ->setGeometry(twipsRect(1500, 2115, 3600, 240));
    (new QLabel(tr("durée totale enregistrée pour la journée", "chart legend"), s))
        ->setGeometry(twipsRect(1500, 2445, 3600, 240));
    m_yMax = axisLabel(
        s, QStringLiteral("lblYMAX"), QStringLiteral("XXX"), twipsRect(360, 3015, 1065, 255));
    // The period stands a little lower than it used to, under the dates of the bars.
    m_xAxis = axisLabel(s, QStringLiteral("lblXaxis"),
        tr("Période du xx/xx/xxxx au xx/xx/xxxx", "placeholder until a report is shown"),
        twipsRect(2760, 8130, 4920, 255));
    createButtons(7350, 7845);
}

QByteArray ByActivityWindow::spreadsheet() const
{
    return exportByActivity(m_stats, m_activityIndex);
}

QString ByActivityWindow::exportName() const
{
    return byActivityExportName(m_stats.activities().at(std::size_t(m_activityIndex)).name);
}

PageDrawing ByActivityWindow::page() const
{
    return [report = m_report](QPagedPaintDevice &device) {
        return printReportByActivity(report, device);
    };
}

void ByActivityWindow::showReportByActivity(std::int32_t activityIndex)
{
    fillReportByActivity(activityIndex);
    present();
}

void ByActivityWindow::fillReportByActivity(std::int32_t activityIndex)
{
    m_activityIndex = activityIndex;
    m_report = reportByActivity(m_stats, activityIndex, m_clock.now().date());
    const ReportByActivity &report = m_report;
    m_bars->setReport(report);
    setTitles(report.title, report.activityTitle);
    m_yMax->setText(report.yMax);
    m_activityDuration->setText(report.activityDuration);
    m_lastDate->setText(report.lastDate);
    m_firstDate->setText(report.firstDate);
    m_spanDuration->setText(report.spanDuration);
    m_recordedDays->setText(report.recordedDaysText);
    m_percent->setText(report.percentText);
    m_concernedDays->setText(report.concernedDaysText);
    m_xAxis->setText(report.xAxis);
}

} // namespace qm::stats
