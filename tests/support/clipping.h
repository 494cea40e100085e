#pragma once

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace qm::test {

namespace detail {

// What a caption shows: "&Fermer" shows "Fermer", "&&" one ampersand.
inline QString shownCaption(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

inline QSize plainTextSize(const QFontMetrics &metrics, const QString &text)
{
    int width = 0;
    const QStringList lines = text.split(u'\n');
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width, metrics.lineSpacing() * int(lines.size()) - metrics.leading());
}

inline bool labelFits(const QLabel *label)
{
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QString text = label->text();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(
            QRect(0, 0, room.width(), 100000), Qt::TextWordWrap | label->alignment(), text);
        // The metrics round each line up to a whole pixel where the label lays its text out
        // at its true height: what the label itself asks for is enough.
        const int height = std::min(needed.height(), label->heightForWidth(room.width()));
        return needed.width() <= room.width() && height <= room.height();
    }
    const QSize needed = plainTextSize(metrics, text);
    if (needed.width() > room.width() || needed.height() > room.height())
        return false;
    // A label that fits may still stand partly outside the widget that holds it.
    const QRect placed
        = QStyle::alignedRect(label->layoutDirection(), label->alignment(), needed, room)
              .translated(label->pos());
    return label->parentWidget()->contentsRect().contains(placed);
}

inline bool buttonFits(const QAbstractButton *button)
{
    const QFontMetrics metrics = button->fontMetrics();
    const QSize needed = plainTextSize(metrics, shownCaption(button->text()));
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QRect room;
    if (qobject_cast<const QCheckBox *>(button)) {
        room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
    } else {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        room = button->rect().adjusted(margin / 2, 0, -margin / 2, 0);
    }
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace detail

// The texts of the window's visible labels, push buttons and check boxes that the fonts at hand
// do not let show whole: a caption wider than its widget, a wrapped text taller than it, or a
// label that reaches outside its parent.
inline QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisibleTo(window) && !label->text().isEmpty() && !detail::labelFits(label))
            clipped.append(label->objectName() + u'|' + label->text());
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const bool captioned
            = qobject_cast<const QPushButton *>(button) || qobject_cast<const QCheckBox *>(button);
        if (captioned && button->isVisibleTo(window) && !button->text().isEmpty()
            && !detail::buttonFits(button))
            clipped.append(button->objectName() + u'|' + button->text());
    }
    return clipped;
}

} // namespace qm::test
