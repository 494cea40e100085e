#pragma once

class QListWidget;

namespace qm {

// The row the list shows highlighted, -1 when none is. A list that was only tabbed into has a
// current row all the same, which the user cannot see as chosen.
int selectedRow(const QListWidget *list);

} // namespace qm
