#pragma once

#include <QDateTime>
#include <QString>

namespace qm {

// What the notification-area icon says of the day at `now`: the running activity, since when
// and for how long; the pause without a duration; only the program's name when nothing runs.
QString trayToolTip(
    const QString &activity, const QDateTime &start, bool running, const QDateTime &now);

} // namespace qm
