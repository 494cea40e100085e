#include "stats/ui/form_controls.h"

#include "journal/mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace qm::stats {

QLabel *captionLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel *valueLabel(QWidget *parent, const QString &objectName, int widthTwips)
{
    auto *label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(objectName);
    label->setMinimumSize(px(widthTwips), px(240));
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 254, 234));
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label->setPalette(palette);
    return label;
}

QGridLayout *figureColumn(QWidget *parent, int left, int top, int widthTwips, int gapTwips)
{
    auto *column = new QWidget(parent);
    column->move(px(left), px(top));
    column->setFixedWidth(px(widthTwips));
    auto *grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(px(gapTwips));
    grid->setVerticalSpacing(px(330 - 240));
    grid->setColumnStretch(0, 1);
    return grid;
}

QLabel *addFigure(
    QGridLayout *column, const QString &caption, const QString &objectName, int valueWidthTwips)
{
    QWidget *box = column->parentWidget();
    const int row = column->count() / 2;
    column->addWidget(captionLabel(box, caption), row, 0);
    QLabel *value = valueLabel(box, objectName, valueWidthTwips);
    column->addWidget(value, row, 1, Qt::AlignVCenter);
    box->resize(box->width(), column->sizeHint().height());
    return value;
}

QPushButton *button(QWidget *parent, const QString &objectName, const QString &caption,
    int widthTwips, int heightTwips)
{
    auto *control = new QPushButton(caption, parent);
    control->setObjectName(objectName);
    control->setMinimumSize(px(widthTwips), px(heightTwips));
    return control;
}

void setMnemonics(const QList<QAbstractButton *> &buttons)
{
    QStringList captions;
    for (const QAbstractButton *b : buttons)
        captions.append(plainCaption(b->text()));
    const QStringList marked = withMnemonics(captions);
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        buttons[i]->setAccessibleName(captions[i]);
        buttons[i]->setText(marked[i]);
    }
}

QFont boldFont(double pointSize, const QString &family)
{
    QFont font = formFont();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

QFont formFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    font.setBold(false);
    return font;
}

void showInFront(QWidget *window, QWidget *first)
{
    window->show();
    window->raise();
    window->activateWindow();
    if (first)
        first->setFocus(Qt::ActiveWindowFocusReason);
}

void placeReportWindow(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    window->move(origin + QPoint(10, 10));
}

} // namespace qm::stats
