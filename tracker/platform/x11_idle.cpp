#include "tracker/platform/x11_idle.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace qm {

std::unique_ptr<X11Idle> X11Idle::onThisDisplay()
{
    // Other platforms than xcb have no such interface, and a program without a graphical
    // application has no display at all.
    const auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    const auto *x11
        = application ? application->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    int eventBase = 0;
    int errorBase = 0;
    if (!display || !XScreenSaverQueryExtension(display, &eventBase, &errorBase))
        return nullptr;
    return std::unique_ptr<X11Idle>(new X11Idle(display));
}

X11Idle::X11Idle(Display *display)
    : m_display(display)
{ }

std::optional<qint64> X11Idle::idleMilliseconds()
{
    const std::unique_ptr<XScreenSaverInfo, int (*)(void *)> info(XScreenSaverAllocInfo(), XFree);
    if (!info || !XScreenSaverQueryInfo(m_display, DefaultRootWindow(m_display), info.get()))
        return std::nullopt;
    return qint64(info->idle);
}

} // namespace qm
