#pragma once

#include <QDateTime>
#include <QString>

namespace qm {

struct AppState;

// What the notification-area icon says of the day at `now`: the running activity, since when
// and for how long; the pause without a duration; only the program's name when nothing runs.
QString trayToolTip(const AppState &state, const QDateTime &now);

} // namespace qm
