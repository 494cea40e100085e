#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPixmap;
class QPrinterInfo;
class QWidget;

namespace qm::stats {

class UserNotice;

// Draws the captured report on one landscape page, 900 twips from the printable origin, at
// the size it has on screen, on a printer or into a PDF. False when the device refused the page.
bool printCapture(const QPixmap &capture, QPagedPaintDevice &printer);

// Draws a report's pages on a printer or into a PDF; false when the device refused them.
using PageDrawing = std::function<bool(QPagedPaintDevice &)>;

// Prints the pages on the given printer, without a dialog; a null one stands for no printer
// installed, and the pages then go to `pdfFallbackPath` and the user is told where.
void printPages(QWidget *window, const PageDrawing &draw, const QString &pdfFallbackPath,
    UserNotice &notice, const QPrinterInfo &target);

// Prints the report surface with its labels on the default printer, without a dialog. With no
// printer installed the page goes to `pdfFallbackPath` and the user is told where.
void printSurface(QWidget *surface, const QString &pdfFallbackPath, UserNotice &notice);

// The same on the given printer; a null one stands for no printer installed.
void printSurface(QWidget *surface, const QString &pdfFallbackPath, UserNotice &notice,
    const QPrinterInfo &target);

} // namespace qm::stats
