#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinterInfo;
class QWidget;

namespace qm::stats {

class UserNotice;

// Draws a report's pages on a printer or into a PDF; false when the device refused them.
using PageDrawing = std::function<bool(QPagedPaintDevice &)>;

// Prints the pages on the given printer, without a dialog; a null one stands for no printer
// installed, and the pages then go to `pdfFallbackPath` and the user is told where.
void printPages(QWidget *window, const PageDrawing &draw, const QString &pdfFallbackPath,
    UserNotice &notice, const QPrinterInfo &target);

} // namespace qm::stats
