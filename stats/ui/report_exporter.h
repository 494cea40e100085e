#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace qm::stats {

class UserNotice;

// Where the user wants an export, and in which form.
struct ExportChoice
{
    QString path;
    bool pdf = false;
};

// The save dialog of the exports ("Quillmere - Exporter"), so that tests can answer it.
class ExportDialog
{
public:
    virtual ~ExportDialog() = default;
    // Nothing when the user cancelled.
    virtual std::optional<ExportChoice> ask(QWidget *parent, const QString &proposedPath) = 0;
};

class FileExportDialog final : public ExportDialog
{
public:
    std::optional<ExportChoice> ask(QWidget *parent, const QString &proposedPath) override;
};

// The folder proposed for exports: the user's documents, or the program folder without one.
QString exportFolder(const QString &programFolder);

// Asks where to export, writes the figures as a spreadsheet file or the printed page of the
// surface as a PDF, and tells the user where the file went or why it could not be written. A file
// already there is replaced only once the new one is whole.
void exportReport(QWidget *surface, const QByteArray &spreadsheet, const QString &proposedPath,
    ExportDialog &dialog, UserNotice &notice);

} // namespace qm::stats
