#pragma once

#include "tracker/core/idle_source.h"

#include <memory>

namespace qm {

// The first of the desktop's idle-time services that answers, or none: then absences are off.
std::unique_ptr<IdleSource> desktopIdleSource();

} // namespace qm
