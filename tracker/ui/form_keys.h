#pragma once

#include <QString>

class QKeyEvent;
class QObject;
class QWidget;

namespace qm {

bool isEnterKey(const QKeyEvent *event);

// Installs the filter on the form and on every widget inside it, so that the form sees the
// keys before its controls do.
void previewKeys(QWidget *form, QObject *filter);

} // namespace qm
