#pragma once

#include "installer/core/install_values.h"

namespace qm::install {

class Platform;

// The values the wizard starts from: the default installation folder under the system's
// programs folder, the Windows folder without its trailing separator, the payload's folder.
InstallState prepareInstallState(Platform &platform, const QString &programFilesFolder);

} // namespace qm::install
