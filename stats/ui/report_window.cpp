#include "stats/ui/report_window.h"

#include "journal/file_names.h"
#include "stats/core/qmstat.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/report_exporter.h"
#include "stats/ui/report_printer.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace qm::stats {

ReportWindow::ReportWindow(const QMstat &stats, const Clock &clock, UserNotice &notice,
    QWidget *surface, const QString &pdfName)
    : m_stats(stats)
    , m_clock(clock)
    , m_notice(notice)
    , m_surface(surface)
    , m_pdfName(pdfName)
{
    setFixedSize(px(11760), px(8355));
    setFont(formFont());
    m_surface->setParent(this);
    m_surface->setGeometry(twipsRect(0, 0, 11775, 8415));
}

void ReportWindow::createTitle(const QRect &frame, const QRect &label)
{
    m_frmTitle = new QGroupBox(m_surface);
    m_frmTitle->setObjectName(QStringLiteral("frmTitle"));
    m_frmTitle->setGeometry(frame);
    m_frmTitle->setFont(boldFont(12, QStringLiteral("Arial")));
    m_lblTitle = new QLabel(m_frmTitle);
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setGeometry(label);
    m_lblTitle->setFont(boldFont(12.75, QStringLiteral("Arial")));
}

void ReportWindow::setTitles(const QString &frameTitle, const QString &labelTitle)
{
    m_frmTitle->setTitle(frameTitle);
    m_lblTitle->setText(labelTitle);
    // The title's font may be wider than the one the layout was drawn for: let the label grow
    // towards the frame's right edge rather than cut the period's end date off.
    const int room = m_frmTitle->width() - m_lblTitle->x() - m_lblTitle->x() / 2;
    const int wanted = m_lblTitle->sizeHint().width();
    if (wanted > m_lblTitle->width())
        m_lblTitle->resize(std::min(wanted, room), m_lblTitle->height());
}

void ReportWindow::createButtons(int printTopTwips, int closeTopTwips)
{
    auto *print = button(this, QStringLiteral("cmdPrint"), tr("Imprimer"),
        twipsRect(10380, printTopTwips, 1305, 435));
    auto *close = button(
        this, QStringLiteral("cmdClose"), tr("Fermer"), twipsRect(10380, closeTopTwips, 1305, 435));
    // Exporter stands above the two others, as far from Imprimer as Fermer is below it.
    const int step = closeTopTwips - printTopTwips;
    auto *exporter = button(this, QStringLiteral("cmdExport"), tr("Exporter"),
        twipsRect(10380, printTopTwips - step, 1305, 435));
    setMnemonics({ close, print, exporter });
    // The keyboard goes through them from the top, as the eye does.
    setTabOrder(exporter, print);
    setTabOrder(print, close);
    m_firstButton = exporter;
    exporter->raise();
    print->raise();
    close->raise();
    connect(exporter, &QPushButton::clicked, this, &ReportWindow::exportFigures);
    connect(print, &QPushButton::clicked, this, &ReportWindow::PrintReport);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

void ReportWindow::present()
{
    placeReportWindow(this);
    showInFront(this, m_firstButton);
}

void ReportWindow::exportFigures()
{
    const QString folder = exportFolder(m_stats.programFolder());
    exportReport(m_surface, spreadsheet(),
        QDir(folder).filePath(exportName() + QStringLiteral(".csv")), m_notice);
}

void ReportWindow::PrintReport()
{
    printSurface(m_surface, programFile(m_stats.programFolder(), m_pdfName), m_notice);
}

} // namespace qm::stats
