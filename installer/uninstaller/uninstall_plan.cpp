#include "installer/uninstaller/uninstall_plan.h"

#include "installer/core/install_paths.h"
#include "installer/core/install_values.h"
#include "installer/uninstaller/shortcut_owner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace qm::install {

namespace {

void addExisting(QStringList &list, const QString &file)
{
    const QFileInfo info(file);
    if (info.isFile() || info.isSymLink())
        list.append(file);
}

void addShortcut(UninstallPlan &plan, const QString &folder, const QString &linkName)
{
    if (!isUsableFolder(folder))
        return;
    const QFileInfo file(shortcutFilePath(joinPath(folder, linkName)));
    // Edited data may name one folder twice.
    QStringList &list
        = isShortcutOf(file, plan.installFolder) ? plan.shortcuts : plan.keptShortcuts;
    if ((file.exists() || file.isSymLink()) && !list.contains(file.filePath()))
        list.append(file.filePath());
}

void remove(const QString &file, UninstallResult &result)
{
    (QFile::remove(file) ? result.removed : result.failed).append(file);
}

// Only an empty folder is removed, so that files the user put there are kept with it.
void removeFolderIfEmpty(const QString &folder, UninstallResult &result)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    if (!QDir(folder).isEmpty(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return;
    (QDir().rmdir(folder) ? result.removed : result.failed).append(folder);
}

// Whether `folder` is left empty once `removed` is gone.
bool holdsOnly(const QString &folder, const QStringList &removed)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    return std::all_of(entries.begin(), entries.end(),
        [&](const QString &name) { return removed.contains(joinPath(folder, name)); });
}

} // namespace

UninstallPlan planUninstall(const QString &installFolder, const UninstallData &data)
{
    UninstallPlan plan;
    plan.installFolder = installFolder;
    addShortcut(plan, data.desktopFolder, linkName());
    addShortcut(plan, data.programsFolder, linkName());
    addShortcut(plan, data.programsFolder, kHelpLinkName);
    addShortcut(plan, data.programsFolder, kUninstallLinkName);
    addShortcut(plan, data.startupFolder, linkName());
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
        addExisting(plan.programFiles, joinPath(installFolder, payload.entries.at(i).target));
    addExisting(plan.programFiles, joinPath(installFolder, iconImageName()));
    addExisting(plan.programFiles, joinPath(installFolder, kProductName + QStringLiteral(".lock")));
    addExisting(plan.programFiles, joinPath(installFolder, kUninstallDataFileName));
    for (const char *suffix : { ".log", ".ini", ".day", ".closing" })
        addExisting(plan.userFiles, joinPath(installFolder, kProductName + QLatin1String(suffix)));
    return plan;
}

bool removesProgramGroup(const UninstallPlan &plan)
{
    return holdsOnly(plan.programGroup, plan.shortcuts);
}

bool removesInstallFolder(const UninstallPlan &plan, bool removeUserFiles)
{
    return holdsOnly(plan.installFolder,
        removeUserFiles ? plan.programFiles + plan.userFiles : plan.programFiles);
}

UninstallResult carryOut(const UninstallPlan &plan, bool removeUserFiles)
{
    UninstallResult result;
    result.kept = plan.keptShortcuts;
    for (const QString &shortcut : plan.shortcuts)
        remove(shortcut, result);
    removeFolderIfEmpty(plan.programGroup, result);
    for (const QString &file : plan.programFiles)
        remove(file, result);
    if (removeUserFiles) {
        for (const QString &file : plan.userFiles)
            remove(file, result);
    }
    removeFolderIfEmpty(plan.installFolder, result);
    return result;
}

} // namespace qm::install
