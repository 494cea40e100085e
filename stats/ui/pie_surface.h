#pragma once

#include "stats/core/by_date.h"

#include <QWidget>

#include <vector>

class QPainter;
class QRectF;

namespace qm::stats {

// The drawing surface of the report by date: white, with the pie; the legend and the figures
// are its child labels, so that a capture of it is the whole report.
class PieSurface : public QWidget
{
    Q_OBJECT
public:
    explicit PieSurface(QWidget *parent = nullptr);

    void setSlices(std::vector<PieSlice> slices);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static void drawSlice(QPainter &painter, const QRectF &disc, const PieSlice &slice);

    std::vector<PieSlice> m_slices;
};

} // namespace qm::stats
