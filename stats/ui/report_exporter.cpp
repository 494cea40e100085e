#include "stats/ui/report_exporter.h"

#include "journal/durable_write.h"
#include "stats/ui/report_printer.h"
#include "stats/ui/user_notice.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPixmap>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

#include <cstdio>

namespace qm::stats {

namespace {

const QString kSpreadsheetFilter = QStringLiteral("Tableur (*.csv)");
const QString kPdfFilter = QStringLiteral("Document PDF (*.pdf)");

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

std::optional<ExportChoice> FileExportDialog::ask(QWidget *parent, const QString &proposedPath)
{
    QString filter = kSpreadsheetFilter;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Quillmere - Exporter"),
        proposedPath, kSpreadsheetFilter + QStringLiteral(";;") + kPdfFilter, &filter);
    if (path.isEmpty())
        return std::nullopt;
    const bool pdf = filter == kPdfFilter;
    const QString suffix = pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return ExportChoice { path, pdf };
}

QString exportFolder(const QString &programFolder)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? programFolder : documents;
}

void exportReport(QWidget *surface, const QByteArray &spreadsheet, const QString &proposedPath,
    ExportDialog &dialog, UserNotice &notice)
{
    QWidget *window = surface->window();
    const auto choice = dialog.ask(window, proposedPath);
    if (!choice)
        return;
    const QString shown = QDir::toNativeSeparators(choice->path);
    const bool written = choice->pdf ? writePdf(surface, choice->path)
                                     : writeFileAtomically(choice->path, spreadsheet);
    if (written)
        notice.inform(
            window, QStringLiteral("Le rapport a été exporté dans le fichier %1.").arg(shown));
    else
        notice.warn(window,
            QStringLiteral("Le fichier %1 n'a pas pu être écrit : vérifiez que son dossier existe "
                           "et que vous pouvez y écrire.")
                .arg(shown));
}

} // namespace qm::stats
