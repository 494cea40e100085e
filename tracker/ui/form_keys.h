#pragma once

#include <QString>

class QKeyEvent;
class QObject;
class QWidget;

namespace qm {

// The tag a form's key handling dispatches on, kept as the widget's "tag" property.
void setTag(QWidget *widget, const QString &tag);
QString tagOf(const QObject *widget);

bool isEnterKey(const QKeyEvent *event);

// Installs the filter on the form and on every widget inside it, so that the form sees the
// keys before its controls do.
void previewKeys(QWidget *form, QObject *filter);

} // namespace qm
