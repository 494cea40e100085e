#include "installer/ui/wizard_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qm::install {

namespace {

QPixmap drawTitle()
{
    QPixmap picture(80, 80);
    picture.fill(QColor(0x1f, 0x4e, 0x79));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(14, 12, 46, 46));
    painter.drawLine(QPointF(48, 48), QPointF(66, 68));
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(37, 35), QPointF(37, 21));
    painter.drawLine(QPointF(37, 35), QPointF(47, 40));
    return picture;
}

QPixmap drawLogo()
{
    QPixmap picture(86, 90);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 90);
    sky.setColorAt(0, QColor(0xe8, 0xf1, 0xfa));
    sky.setColorAt(1, QColor(0xa9, 0xc8, 0xe8));
    painter.fillRect(picture.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath quill;
    quill.moveTo(18, 78);
    quill.cubicTo(30, 50, 52, 22, 74, 10);
    quill.cubicTo(64, 34, 46, 58, 18, 78);
    painter.setPen(QPen(QColor(0x1f, 0x4e, 0x79), 2));
    painter.setBrush(QColor(0xff, 0xff, 0xff));
    painter.drawPath(quill);
    painter.drawLine(QPointF(18, 78), QPointF(12, 86));
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(
        QRect(0, 70, 86, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("QM "));
    return picture;
}

} // namespace

WizardPictures::WizardPictures()
    : m_title(drawTitle())
    , m_logo(drawLogo())
{ }

} // namespace qm::install
