#include "stats/ui/user_notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace qm::stats {

namespace {
// Looked up when shown: the translation is installed after these are defined.
const char *const kContext = "qm::stats::MessageBoxNotice";
const char *const kCaption
    = QT_TRANSLATE_NOOP("qm::stats::MessageBoxNotice", "Quillmere - Statistiques");
const char *const kSpreadsheetFilter
    = QT_TRANSLATE_NOOP("qm::stats::MessageBoxNotice", "Tableur (*.csv)");
const char *const kPdfFilter
    = QT_TRANSLATE_NOOP("qm::stats::MessageBoxNotice", "Document PDF (*.pdf)");

QString translated(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}
} // namespace

void MessageBoxNotice::inform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, translated(kCaption), text);
}

void MessageBoxNotice::warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, translated(kCaption), text);
}

std::optional<ExportChoice> MessageBoxNotice::askExport(
    QWidget *parent, const QString &proposedPath)
{
    const QString spreadsheet = translated(kSpreadsheetFilter);
    const QString pdfDocument = translated(kPdfFilter);
    QString filter = spreadsheet;
    const QString path = QFileDialog::getSaveFileName(parent,
        QCoreApplication::translate("qm::stats::MessageBoxNotice", "Quillmere - Exporter"),
        proposedPath, spreadsheet + QStringLiteral(";;") + pdfDocument, &filter);
    if (path.isEmpty())
        return std::nullopt;
    return ExportChoice { path, filter == pdfDocument };
}

bool MessageBoxNotice::askReplace(QWidget *parent, const QString &path)
{
    return QMessageBox::question(parent, translated(kCaption),
               QCoreApplication::translate("qm::stats::MessageBoxNotice",
                   "Le fichier %1 existe déjà.\nVoulez-vous le remplacer ?")
                   .arg(QDir::toNativeSeparators(path)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

} // namespace qm::stats
