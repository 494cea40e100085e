#include "stats/ui/report_exporter.h"

#include "journal/durable_write.h"
#include "stats/ui/report_printer.h"
#include "stats/ui/user_notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

#include <cstdio>

namespace qm::stats {

namespace {

// The page that Imprimer prints, into a PDF beside the target, then put in its place.
bool writePdf(QWidget *surface, const QString &path)
{
    const QString part = path + QStringLiteral(".part");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part);
    const bool printed = printCapture(surface->grab(), printer);
    QFile written(part);
    // QPrinter says nothing of a file it could not create or fill.
    if (!printed || written.size() == 0 || !written.open(QIODevice::ReadWrite)
        || !syncToDisk(written)) {
        QFile::remove(part);
        return false;
    }
    written.close();
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData())
        != 0) {
        QFile::remove(part);
        return false;
    }
    return true;
}

} // namespace

QString exportFolder(const QString &programFolder)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? programFolder : documents;
}

void exportReport(QWidget *surface, const QByteArray &spreadsheet, const QString &proposedPath,
    UserNotice &notice)
{
    QWidget *window = surface->window();
    const auto choice = notice.askExport(window, proposedPath);
    if (!choice)
        return;
    const QString shown = QDir::toNativeSeparators(choice->path);
    const bool written = choice->pdf ? writePdf(surface, choice->path)
                                     : writeFileAtomically(choice->path, spreadsheet);
    if (written)
        notice.inform(window,
            QCoreApplication::translate(
                "qm::stats::ReportExporter", "Le rapport a été exporté dans le fichier %1.")
                .arg(shown));
    else
        notice.warn(window,
            QCoreApplication::translate("qm::stats::ReportExporter",
                "Le fichier %1 n'a pas pu être écrit : vérifiez que son dossier existe et que "
                "vous pouvez y écrire.")
                .arg(shown));
}

} // namespace qm::stats
