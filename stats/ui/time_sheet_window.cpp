#include "stats/ui/time_sheet_window.h"

#include "journal/file_names.h"
#include "stats/core/statistics.h"
#include "stats/core/time_sheet.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/frozen_column_view.h"
#include "stats/ui/report_exporter.h"
#include "stats/ui/report_printer.h"
#include "stats/ui/time_sheet_model.h"
#include "stats/ui/time_sheet_printer.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace qm::stats {

TimeSheetWindow::TimeSheetWindow(const Statistics &stats, UserNotice &notice)
    : m_stats(stats)
    , m_notice(notice)
    , m_model(new TimeSheetModel(this))
    , m_grid(new FrozenColumnView(this))
{
    setObjectName(QStringLiteral("frmTimeSheet"));
    m_grid->setObjectName(QStringLiteral("grdSheet"));
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->verticalHeader()->hide();
    m_grid->setFocusPolicy(Qt::StrongFocus);

    auto *exporter = new QPushButton(tr("Exporter"), this);
    exporter->setObjectName(QStringLiteral("cmdExport"));
    auto *print = new QPushButton(tr("Imprimer"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    auto *close = new QPushButton(tr("Fermer"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    setMnemonics({ exporter, print, close });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : { exporter, print, close })
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(960, 420);

    connect(exporter, &QPushButton::clicked, this, &TimeSheetWindow::exportSheet);
    connect(print, &QPushButton::clicked, this, &TimeSheetWindow::printSheet);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::hide);
}

void TimeSheetWindow::showTimeSheet(QDate from, QDate to)
{
    m_model->setSheet(timeSheet(m_stats, from, to));
    setWindowTitle(timeSheetTitle(from, to));
    m_grid->resizeColumnsToContents();
    show();
    raise();
    activateWindow();
}

void TimeSheetWindow::exportSheet()
{
    const TimeSheet &sheet = m_model->sheet();
    const QString folder = exportFolder(m_stats.programFolder());
    exportReport(
        this, exportTimeSheet(sheet),
        QDir(folder).filePath(timeSheetExportName(sheet.from, sheet.to) + QStringLiteral(".csv")),
        [&sheet](QPagedPaintDevice &device) { return printTimeSheet(sheet, device); }, m_notice);
}

void TimeSheetWindow::printSheet()
{
    const TimeSheet &sheet = m_model->sheet();
    printPages(
        this, [&sheet](QPagedPaintDevice &device) { return printTimeSheet(sheet, device); },
        programFile(m_stats.programFolder(), u"QMStat-feuille.pdf"), m_notice,
        QPrinterInfo::defaultPrinter());
}

} // namespace qm::stats
