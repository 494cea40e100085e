#pragma once

#include <QString>

class QPagedPaintDevice;
class QPixmap;
class QPrinterInfo;
class QWidget;

namespace qm::stats {

class UserNotice;

// Draws the captured report on one landscape page, 900 twips from the printable origin, at
// the size it has on screen, on a printer or into a PDF. False when the device refused the page.
bool printCapture(const QPixmap &capture, QPagedPaintDevice &printer);

// Prints the report surface with its labels on the default printer, without a dialog. With no
// printer installed the page goes to `pdfFallbackPath` and the user is told where.
void printSurface(QWidget *surface, const QString &pdfFallbackPath, UserNotice &notice);

// The same on the given printer; a null one stands for no printer installed.
void printSurface(QWidget *surface, const QString &pdfFallbackPath, UserNotice &notice,
    const QPrinterInfo &target);

} // namespace qm::stats
