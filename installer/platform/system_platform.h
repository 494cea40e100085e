#pragma once

#include "installer/core/platform.h"
#include "installer/core/uninstall_platform.h"

namespace qm::install {

// The platform of a Linux desktop. The "Windows folder" is a per-user stand-in whose system32
// subfolder receives the shared components; the special folders are the desktop, the
// applications menu and the autostart folder, and shortcuts are desktop entries.
class SystemPlatform : public Platform, public UninstallPlatform
{
public:
    QString windowsFolder() override;
    QString currentFolder() override;
    bool fileExists(const QString &path) override;
    bool folderExists(const QString &path) override;
    bool createFolder(const QString &path) override;
    bool copyFile(const QString &source, const QString &target) override;
    QDateTime lastModified(const QString &path) override;
    void startHidden(const QString &program, const QStringList &arguments) override;
    QString specialFolder(const QString &name) override;
    bool createShortcut(const Shortcut &shortcut) override;
    bool writeFile(const QString &path, const QByteArray &bytes) override;
    QStringList mountedDrives() override;
    std::optional<QStringList> subfolders(const QString &folder) override;
    bool isTrackerRunning(const QString &installFolder) override;

    bool isFileOrLink(const QString &path) override;
    std::optional<QStringList> folderEntries(const QString &folder) override;
    bool removeFile(const QString &path) override;
    bool removeEmptyFolder(const QString &folder) override;
    bool isShortcutOf(const QString &path, const QString &installFolder) override;

private:
    void makeStandInFolder(const QString &folder);
};

// The folder under which the installation folder is proposed (~/Applications).
QString programFilesFolder();

} // namespace qm::install
