#include "stats/ui/form_controls.h"

#include "journal/mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace qm::stats {

QLabel *captionLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel *valueLabel(QWidget *parent, const QString &objectName, const QRect &geometry)
{
    auto *label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 254, 234));
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    label->setPalette(palette);
    return label;
}

QPushButton *button(
    QWidget *parent, const QString &objectName, const QString &caption, const QRect &geometry)
{
    return placed<QPushButton>(parent, objectName, caption, geometry);
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
