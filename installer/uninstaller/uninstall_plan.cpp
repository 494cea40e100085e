#include "installer/uninstaller/uninstall_plan.h"

#include "installer/core/install_paths.h"
#include "installer/core/install_values.h"
#include "installer/core/running_tracker.h"

#include "installer/core/uninstall_platform.h"

#include <QDir>

#include <algorithm>

namespace qm::install {

namespace {

void addExisting(UninstallPlatform &platform, QStringList &list, const QString &file)
{
    if (platform.isFileOrLink(file))
        list.append(file);
}

void addShortcut(UninstallPlatform &platform, UninstallPlan &plan, const QString &folder,
    const QString &linkName)
{
    if (!isUsableFolder(folder))
        return;
    const QString file = shortcutFilePath(joinPath(folder, linkName));
    if (!platform.isFileOrLink(file) && !platform.folderEntries(file))
        return;
    QStringList &list
        = platform.isShortcutOf(file, plan.installFolder) ? plan.shortcuts : plan.keptShortcuts;
    // Edited data may name one folder twice.
    if (!list.contains(file))
        list.append(file);
}

void remove(UninstallPlatform &platform, const QString &file, UninstallResult &result)
{
    (platform.removeFile(file) ? result.removed : result.failed).append(file);
}

// Only an empty folder is removed, so that files the user put there are kept with it.
void removeFolderIfEmpty(
    UninstallPlatform &platform, const QString &folder, UninstallResult &result)
{
    if (folder.isEmpty())
        return;
    const std::optional<QStringList> entries = platform.folderEntries(folder);
    if (!entries || !entries->isEmpty())
        return;
    (platform.removeEmptyFolder(folder) ? result.removed : result.failed).append(folder);
}

// Whether `folder` is left empty once `removed` is gone.
bool holdsOnly(UninstallPlatform &platform, const QString &folder, const QStringList &removed)
{
    if (folder.isEmpty())
        return false;
    const std::optional<QStringList> entries = platform.folderEntries(folder);
    return entries && std::all_of(entries->begin(), entries->end(), [&](const QString &name) {
        return removed.contains(joinPath(folder, name));
    });
}

} // namespace

UninstallPlan planUninstall(
    UninstallPlatform &platform, const QString &installFolder, const UninstallData &data)
{
    UninstallPlan plan;
    plan.installFolder = installFolder;
    addShortcut(platform, plan, data.desktopFolder, linkName());
    addShortcut(platform, plan, data.programsFolder, linkName());
    addShortcut(platform, plan, data.programsFolder, kStatsLinkName);
    addShortcut(platform, plan, data.programsFolder, kHelpLinkName);
    addShortcut(platform, plan, data.programsFolder, kUninstallLinkName);
    addShortcut(platform, plan, data.startupFolder, linkName());
    // The group is the product's own folder, and one that holds this installation's shortcuts:
    // any other folder named in the file, an empty one of the same name too, is left alone.
    const bool holdsOurs = std::any_of(
        plan.shortcuts.begin(), plan.shortcuts.end(), [&data](const QString &shortcut) {
            return shortcut.startsWith(data.programsFolder + kSeparator);
        });
    if (holdsOurs && QDir(data.programsFolder).dirName() == kProductName)
        plan.programGroup = data.programsFolder;

    const PayloadTable payload = standardPayload();
    for (qsizetype i = payload.componentCount; i < payload.entries.size(); ++i)
        addExisting(
            platform, plan.programFiles, joinPath(installFolder, payload.entries.at(i).target));
    addExisting(platform, plan.programFiles, joinPath(installFolder, iconImageName()));
    addExisting(platform, plan.programFiles, trackerLockPath(installFolder));
    addExisting(platform, plan.programFiles, joinPath(installFolder, kUninstallDataFileName));
    for (const char *suffix : { ".log", ".ini", ".day", ".closing" })
        addExisting(platform, plan.userFiles,
            joinPath(installFolder, kProductName + QLatin1String(suffix)));
    return plan;
}

bool removesProgramGroup(UninstallPlatform &platform, const UninstallPlan &plan)
{
    return holdsOnly(platform, plan.programGroup, plan.shortcuts);
}

bool removesInstallFolder(
    UninstallPlatform &platform, const UninstallPlan &plan, bool removeUserFiles)
{
    return holdsOnly(platform, plan.installFolder,
        removeUserFiles ? plan.programFiles + plan.userFiles : plan.programFiles);
}

UninstallResult carryOut(
    UninstallPlatform &platform, const UninstallPlan &plan, bool removeUserFiles)
{
    UninstallResult result;
    result.kept = plan.keptShortcuts;
    for (const QString &shortcut : plan.shortcuts)
        remove(platform, shortcut, result);
    removeFolderIfEmpty(platform, plan.programGroup, result);
    for (const QString &file : plan.programFiles)
        remove(platform, file, result);
    if (removeUserFiles) {
        for (const QString &file : plan.userFiles)
            remove(platform, file, result);
    }
    removeFolderIfEmpty(platform, plan.installFolder, result);
    return result;
}

} // namespace qm::install
