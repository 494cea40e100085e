#include "tracker/platform/desktop_idle.h"

#include "tracker/platform/mutter_idle.h"
#include "tracker/platform/screen_saver_idle.h"
#include "tracker/platform/x11_idle.h"

#include <QDBusConnection>

namespace qm {

namespace {

std::unique_ptr<IdleSource> ifAnswering(std::unique_ptr<IdleSource> source)
{
    if (source && source->idleMilliseconds())
        return source;
    return nullptr;
}

// In a Wayland session the X server only sees the input to the X11 programs: its idle time
// would grow while the user types in any other window.
bool isWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

} // namespace

std::unique_ptr<IdleSource> desktopIdleSource()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    // The desktop's own services first: they also see the input of a Wayland session, which
    // the X server of its X11 programs does not.
    if (auto mutter = ifAnswering(std::make_unique<MutterIdle>(bus)))
        return mutter;
    if (auto screenSaver = ifAnswering(std::make_unique<ScreenSaverIdle>(bus)))
        return screenSaver;
    if (isWaylandSession())
        return nullptr;
    return ifAnswering(X11Idle::onThisDisplay());
}

} // namespace qm
