#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QPagedPaintDevice;

class QWidget;

namespace qm::stats {

class UserNotice;

// The folder proposed for exports: the user's documents, or the program folder without one.
QString exportFolder(const QString &programFolder);

// Writes the pages into a PDF, made whole in memory first, through the checked replace; false,
// with the reason in `why`, when the file could not be written.
bool writeReportPdf(
    const std::function<bool(QPagedPaintDevice &)> &draw, const QString &path, QString *why);

// Asks where to export, writes the figures as a spreadsheet file or the pages drawn by `draw`,
// as Imprimer prints them, as a PDF, and tells the user where the file went or why it could not
// be written. A file already there is replaced only once the new one is whole, and only after the
// question about its final name, suffix included.
void exportReport(QWidget *window, const QByteArray &spreadsheet, const QString &proposedPath,
    const std::function<bool(QPagedPaintDevice &)> &draw, UserNotice &notice);

} // namespace qm::stats
