#include "tracker/ui/form_keys.h"

#include <QKeyEvent>
#include <QWidget>

namespace qm {

bool isEnterKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

void previewKeys(QWidget *form, QObject *filter)
{
    form->installEventFilter(filter);
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(filter);
}

} // namespace qm
