#include "installer/core/start_up.h"

#include "installer/core/install_paths.h"
#include "installer/core/platform.h"

namespace qmi {

namespace {

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(kSeparator))
        folder.chop(1);
    return folder;
}

} // namespace

InstallState prepareInstallState(Platform &platform, const QString &programFilesFolder)
{
    InstallState state;
    state.InstallPath
        = proposedInstallPath(withoutTrailingSeparator(programFilesFolder), kProductName);
    state.WinDir = withoutTrailingSeparator(platform.windowsFolder());
    state.SourceDir = platform.currentFolder();
    return state;
}

} // namespace qmi
