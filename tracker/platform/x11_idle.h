#pragma once

#include "tracker/core/idle_source.h"

#include <memory>

struct _XDisplay;

namespace qm {

// The X server's own count of the time since the last input (its screen saver extension).
class X11Idle final : public IdleSource
{
public:
    // Nothing unless the program runs on an X server that has the extension.
    static std::unique_ptr<X11Idle> onThisDisplay();
    std::optional<qint64> idleMilliseconds() override;

private:
    explicit X11Idle(_XDisplay *display);

    _XDisplay *m_display;
};

} // namespace qm
