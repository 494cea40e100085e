#include "stats/ui/report_printer.h"

#include "stats/ui/user_notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

#include <memory>

namespace qm::stats {

namespace {

class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

void printPages(QWidget *window, const PageDrawing &draw, const QString &pdfFallbackPath,
    UserNotice &notice, const QPrinterInfo &target)
{
    bool printed = false;
    const bool toPdf = target.isNull();
    {
        BusyCursor busy;
        auto printer = toPdf ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                             : std::make_unique<QPrinter>(target, QPrinter::HighResolution);
        if (toPdf) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfFallbackPath);
        }
        printed = draw(*printer);
    }
    if (!printed)
        notice.warn(window,
            QCoreApplication::translate(
                "qm::stats::ReportPrinter", "L'impression du rapport a échoué."));
    else if (toPdf)
        notice.inform(window,
            QCoreApplication::translate("qm::stats::ReportPrinter",
                "Aucune imprimante n'est installée : le rapport a été enregistré dans le "
                "fichier\n%1")
                .arg(QDir::toNativeSeparators(pdfFallbackPath)));
}

} // namespace qm::stats
