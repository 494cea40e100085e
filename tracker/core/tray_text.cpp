#include "tracker/core/tray_text.h"

#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/day_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace qm {

QString trayToolTip(
    const QString &activity, const QDateTime &start, bool running, const QDateTime &now)
{
    const QString name = QStringLiteral("Quillmere");
    // A fixed-duration activity has already ended: the next change is waited for, nothing runs.
    if (activity == kStartActivity || !running)
        return name;
    //: The notification area's tooltip: the running activity and the time it started.
    const QString since = QCoreApplication::translate("qm::TrayText", "Quillmere - %1 depuis %2")
                              .arg(activity, shortTimeText(start.time()));
    if (activity == kPauseActivity)
        return since;
    // Whole minutes gone by, as the clock on the wall shows them; a clock set back shows none.
    const qint64 minutes = std::max<qint64>(0, start.secsTo(now) / 60);
    const auto shown
        = std::int32_t(std::min<qint64>(minutes, std::numeric_limits<std::int32_t>::max()));
    return since + QStringLiteral(" (") + formatDuration(shown).trimmed() + u')';
}

} // namespace qm
