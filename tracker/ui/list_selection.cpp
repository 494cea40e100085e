#include "tracker/ui/list_selection.h"

#include <QListWidget>

namespace qm {

int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

} // namespace qm
