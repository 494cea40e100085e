#pragma once

#include <QRect>
#include <QString>

#include <QList>

class QAbstractButton;
class QFont;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace qm::stats {

// The windows were laid out in twips, at 15 twips per pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// A right-aligned caption with its text.
QLabel *captionLabel(QWidget *parent, const QString &text);

// A figure: pale yellow, dark green, flat single border, centred; its text is its value. It is
// `widthTwips` by 240 twips, or as large as its font needs.
QLabel *valueLabel(QWidget *parent, const QString &objectName, int widthTwips);

// A column of figures, each beside its right-aligned caption, `gapTwips` from it, the rows 330
// twips apart as drawn or further where the font needs it. Its top left corner is at `left`,
// `top` (in twips) in the parent, and it is `widthTwips` wide.
QGridLayout *figureColumn(QWidget *parent, int left, int top, int widthTwips, int gapTwips);

// The next row of the column: the caption and its figure, `valueWidthTwips` wide.
QLabel *addFigure(
    QGridLayout *column, const QString &caption, const QString &objectName, int valueWidthTwips);

// A control of the form: its caption, its name and its place.
template<typename Control>
Control *placed(
    QWidget *parent, const QString &objectName, const QString &caption, const QRect &geometry)
{
    auto *control = new Control(caption, parent);
    control->setObjectName(objectName);
    control->setGeometry(geometry);
    return control;
}

// A push button of `widthTwips` by `heightTwips`, or as large as its caption needs.
QPushButton *button(QWidget *parent, const QString &objectName, const QString &caption,
    int widthTwips, int heightTwips);

// Alt and a letter press each button, the first ones having the first choice of letter; the
// accessible name stays the caption.
void setMnemonics(const QList<QAbstractButton *> &buttons);

QFont boldFont(double pointSize, const QString &family = QString());

// The forms were laid out for an 8-point font; their captions only fit at that size.
QFont formFont();

// Shows the window in front of the others and active, with the focus on `first`, so that the
// user's keys reach it without a click.
void showInFront(QWidget *window, QWidget *first);

// Report windows open 10 pixels from the screen's top left corner.
void placeReportWindow(QWidget *window);

} // namespace qm::stats
