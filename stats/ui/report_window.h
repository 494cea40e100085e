#pragma once

#include "stats/ui/report_printer.h"

#include <QWidget>

class QAbstractButton;
class QBoxLayout;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qm {
class Clock;
}

namespace qm::stats {

class Statistics;
class UserNotice;

// What both reports share: a fixed window holding the drawing surface, the title frame inside
// it, and "Exporter", "Imprimer" and "Fermer" over its corner (outside the surface, so they are
// not printed).
class ReportWindow : public QWidget
{
    Q_OBJECT
public:
    QWidget *surface() const { return m_surface; }

protected:
    ReportWindow(const Statistics &stats, const Clock &clock, UserNotice &notice, QWidget *surface,
        const QString &pdfName);

    // Title frame and its label inside the surface.
    void createTitle(const QRect &frame);
    void setTitles(const QString &frameTitle, const QString &labelTitle);
    void createButtons(int printTopTwips, int closeTopTwips);
    // A button above Exporter, the others staying where they are.
    void addButtonAbove(QPushButton *button);
    UserNotice &notice() const { return m_notice; }
    // Brings the one window up again at its place, without blocking the main window.
    void present();

    const Statistics &m_stats;
    const Clock &m_clock;

    // What Exporter writes: the report's figures, and the name proposed for them.
    virtual QByteArray spreadsheet() const = 0;
    virtual QString exportName() const = 0;
    // The report's page, as Imprimer prints it and Exporter writes it as a PDF.
    virtual PageDrawing page() const = 0;

private:
    void printReport();
    void exportFigures();

    UserNotice &m_notice;
    QWidget *m_surface;
    QString m_pdfName;
    QPushButton *m_firstButton = nullptr;
    QBoxLayout *m_buttons = nullptr;
    QList<QAbstractButton *> m_mnemonicOrder;
    QGroupBox *m_titleFrame = nullptr;
    QLabel *m_title = nullptr;
};

} // namespace qm::stats
