#include "stats/ui/report_window.h"

#include "journal/file_names.h"
#include "stats/core/statistics.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/report_exporter.h"
#include "stats/ui/report_printer.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace qm::stats {

ReportWindow::ReportWindow(const Statistics &stats, const Clock &clock, UserNotice &notice,
    QWidget *surface, const QString &pdfName)
    : m_stats(stats)
    , m_clock(clock)
    , m_notice(notice)
    , m_surface(surface)
    , m_pdfName(pdfName)
{
    setFont(formFont());
    m_surface->setParent(this);
    m_surface->setFixedSize(px(11775), px(8415));
    // The buttons stand over the surface's bottom right corner, outside it.
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_surface, 0, 0);
}

void ReportWindow::createTitle(const QRect &frame)
{
    m_titleFrame = new QGroupBox(m_surface);
    m_titleFrame->setObjectName(QStringLiteral("frmTitle"));
    m_titleFrame->setGeometry(frame);
    m_titleFrame->setFont(boldFont(12, QStringLiteral("Arial")));
    m_title = new QLabel(m_titleFrame);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setFont(boldFont(12.75, QStringLiteral("Arial")));
    // Right under the frame's title, 90 twips in from its left edge, reaching to 105 twips from
    // its right one.
    auto *layout = new QVBoxLayout(m_titleFrame);
    layout->setContentsMargins(px(165), 0, px(60), 0);
    layout->addWidget(m_title, 0, Qt::AlignTop);
}

void ReportWindow::setTitles(const QString &frameTitle, const QString &labelTitle)
{
    m_titleFrame->setTitle(frameTitle);
    m_title->setText(labelTitle);
    // A larger font than the one the frame was drawn for makes it taller.
    const int needed = m_titleFrame->minimumSizeHint().height();
    if (needed > m_titleFrame->height())
        m_titleFrame->resize(m_titleFrame->width(), needed);
}

void ReportWindow::createButtons(int printTopTwips, int closeTopTwips)
{
    auto *print = button(this, QStringLiteral("cmdPrint"), tr("Imprimer"), 1305, 435);
    auto *close = button(this, QStringLiteral("cmdClose"), tr("Fermer"), 1305, 435);
    auto *exporter = button(this, QStringLiteral("cmdExport"), tr("Exporter"), 1305, 435);
    // Exporter stands above the two others, as far from Imprimer as Fermer is below it.
    auto *column = new QVBoxLayout;
    column->setSpacing(px(closeTopTwips - printTopTwips - 435));
    column->setContentsMargins(0, 0, px(11775 - 10380 - 1305), px(8415 - closeTopTwips - 435));
    for (QPushButton *b : { exporter, print, close })
        column->addWidget(b, 0, Qt::AlignRight);
    static_cast<QGridLayout *>(layout())->addLayout(column, 0, 0, Qt::AlignRight | Qt::AlignBottom);
    // The window is as large as the surface: the size it has always had, or a little more.
    setFixedSize(QSize(px(11760), px(8355)).expandedTo(minimumSizeHint()));
    m_mnemonicOrder = { close, print, exporter };
    setMnemonics(m_mnemonicOrder);
    m_buttons = column;
    // The keyboard goes through them from the top, as the eye does.
    setTabOrder(exporter, print);
    setTabOrder(print, close);
    m_firstButton = exporter;
    exporter->raise();
    print->raise();
    close->raise();
    connect(exporter, &QPushButton::clicked, this, &ReportWindow::exportFigures);
    connect(print, &QPushButton::clicked, this, &ReportWindow::printReport);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

void ReportWindow::addButtonAbove(QPushButton *button)
{
    m_buttons->insertWidget(0, button, 0, Qt::AlignRight);
    m_mnemonicOrder.append(button);
    setMnemonics(m_mnemonicOrder);
    setTabOrder(button, m_firstButton);
    button->raise();
}

void ReportWindow::present()
{
    placeReportWindow(this);
    showInFront(this, m_firstButton);
}

void ReportWindow::exportFigures()
{
    const QString folder = exportFolder(m_stats.programFolder());
    exportReport(this, spreadsheet(), QDir(folder).filePath(exportName() + QStringLiteral(".csv")),
        page(), m_notice);
}

void ReportWindow::printReport()
{
    printPages(this, page(), programFile(m_stats.programFolder(), m_pdfName), m_notice,
        QPrinterInfo::defaultPrinter());
}

} // namespace qm::stats
