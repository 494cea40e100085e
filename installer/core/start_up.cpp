#include "installer/core/start_up.h"

#include "installer/core/install_paths.h"
#include "installer/core/platform.h"

namespace qm::install {

InstallState prepareInstallState(Platform &platform, const QString &programFilesFolder)
{
    InstallState state;
    state.installPath = proposedInstallPath(fileFolder(programFilesFolder), kProductName);
    state.winDir = fileFolder(platform.windowsFolder());
    state.sourceDir = platform.currentFolder();
    return state;
}

} // namespace qm::install
