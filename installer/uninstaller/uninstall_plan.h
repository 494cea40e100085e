#pragma once

#include "installer/core/uninstall_data.h"

#include <QStringList>

namespace qm::install {

class UninstallPlatform;

// What the uninstaller will remove, found from the uninstall data: only files under the names
// the installer may have written, so that nothing else of the user's is touched.
struct UninstallPlan
{
    QString installFolder;
    // Only the shortcuts made for this installation; others under the same names are kept.
    QStringList shortcuts;
    QStringList keptShortcuts;
    QString programGroup;
    QStringList programFiles;
    // The user's journal, settings and day file, and what a close cut short left: kept unless
    // the user asks otherwise.
    QStringList userFiles;
};

struct UninstallResult
{
    QStringList removed;
    QStringList failed;
    // Shortcuts under the installer's names that are not this installation's.
    QStringList kept;
};

// The program files are looked for in `installFolder`, the folder the uninstaller runs from and
// where the data file was found, whatever folder the file names.
UninstallPlan planUninstall(
    UninstallPlatform &platform, const QString &installFolder, const UninstallData &data);

// Whether the program group goes: only when it holds nothing but the shortcuts that are removed.
bool removesProgramGroup(UninstallPlatform &platform, const UninstallPlan &plan);

// Whether the installation folder goes too: only when nothing but what is removed is left in it.
bool removesInstallFolder(
    UninstallPlatform &platform, const UninstallPlan &plan, bool removeUserFiles);

// Shortcuts first, then the program group when it is left empty, the program files, the user's
// files when asked, and the installation folder when nothing else is left in it.
UninstallResult carryOut(
    UninstallPlatform &platform, const UninstallPlan &plan, bool removeUserFiles);

} // namespace qm::install
