#include "tracker/ui/window_focus.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace qm {

namespace {

void activate(QWidget *window, QWidget *field)
{
    if (!window->isVisible())
        return;
    window->raise();
    window->activateWindow();
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->selectAll();
    }
}

} // namespace

void bringToFront(QWidget *window, QWidget *field)
{
    activate(window, field);
    QTimer::singleShot(
        0, window, [window, field = QPointer<QWidget>(field)] { activate(window, field); });
}

void giveKeysBack(QWidget *window)
{
    // Active again, the window puts the focus back where it last was, or where its code has
    // moved it since.
    if (window && !window->isMinimized())
        bringToFront(window, nullptr);
}

} // namespace qm
