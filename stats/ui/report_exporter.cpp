#include "stats/ui/report_exporter.h"

#include "stats/ui/report_printer.h"
#include "stats/ui/user_notice.h"
#include "storage/durable_write.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QWidget>

namespace qm::stats {

namespace {

// The path the user chose with its form's suffix; when the suffix had to be added, a file already
// there under the final name is replaced only if the user says so.
std::optional<QString> finalPath(QWidget *window, const ExportChoice &choice, UserNotice &notice)
{
    const QString suffix = choice.pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    if (choice.path.endsWith(suffix, Qt::CaseInsensitive))
        return choice.path;
    const QString path = choice.path + suffix;
    const QFileInfo existing(path);
    if ((existing.exists() || existing.isSymLink()) && !notice.askReplace(window, path))
        return std::nullopt;
    return path;
}

} // namespace

// Qt's PDF engine says nothing of a write
// that fails, so the file itself is written where every failure counts.
bool writeReportPdf(const PageDrawing &draw, const QString &path, QString *why)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        if (!draw(writer)) {
            *why = QCoreApplication::translate(
                "qm::stats::ReportExporter", "la page n'a pas pu être dessinée");
            return false;
        }
    }
    return writeFileAtomically(path, pdf.data(), why);
}

QString exportFolder(const QString &programFolder)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? programFolder : documents;
}

void exportReport(QWidget *window, const QByteArray &spreadsheet, const QString &proposedPath,
    const PageDrawing &draw, UserNotice &notice)
{
    const auto choice = notice.askExport(window, proposedPath);
    if (!choice)
        return;
    const auto path = finalPath(window, *choice, notice);
    if (!path)
        return;
    const QString shown = QDir::toNativeSeparators(*path);
    QString why;
    const bool written = choice->pdf ? writeReportPdf(draw, *path, &why)
                                     : writeFileAtomically(*path, spreadsheet, &why);
    if (written)
        notice.inform(window,
            QCoreApplication::translate(
                "qm::stats::ReportExporter", "Le rapport a été exporté dans le fichier %1.")
                .arg(shown));
    else
        notice.warn(window,
            QCoreApplication::translate("qm::stats::ReportExporter",
                "L'export a échoué : le fichier %1 n'a pas pu être écrit (%2).")
                .arg(shown, why));
}

} // namespace qm::stats
