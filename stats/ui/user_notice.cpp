#include "stats/ui/user_notice.h"

#include <QFileDialog>
#include <QMessageBox>

namespace qm::stats {

namespace {
const QString kCaption = QStringLiteral("Quillmere 3 - Statistiques");
const QString kSpreadsheetFilter = QStringLiteral("Tableur (*.csv)");
const QString kPdfFilter = QStringLiteral("Document PDF (*.pdf)");
} // namespace

void MessageBoxNotice::inform(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, kCaption, text);
}

void MessageBoxNotice::warn(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, kCaption, text);
}

std::optional<ExportChoice> MessageBoxNotice::askExport(
    QWidget *parent, const QString &proposedPath)
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

} // namespace qm::stats
