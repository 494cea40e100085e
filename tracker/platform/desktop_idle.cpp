#include "tracker/platform/desktop_idle.h"

namespace qm {

std::unique_ptr<IdleSource> desktopIdleSource()
{
    return nullptr;
}

} // namespace qm
