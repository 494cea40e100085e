#include "tracker/ui/form_keys.h"

#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace qm {

void setTag(QWidget *widget, const QString &tag)
{
    widget->setProperty("tag", tag);
}

QString tagOf(const QObject *widget)
{
    return widget ? widget->property("tag").toString() : QString();
}

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
