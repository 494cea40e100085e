#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace qm::install {

// What a shortcut file holds; the platform decides the file's real format and extension.
struct Shortcut
{
    QString linkPath;
    QString targetPath;
    QString workingDirectory;
    int windowStyle = 4;
    QString iconLocation;
};

// Every operation the installation run needs from the system. The run passes over a failure
// unless it tests the result, so operations that may fail report it through their result.
class Platform
{
public:
    virtual ~Platform() = default;

    virtual QString windowsFolder() = 0;
    virtual QString currentFolder() = 0;
    virtual bool fileExists(const QString &path) = 0;
    virtual bool folderExists(const QString &path) = 0;
    virtual bool createFolder(const QString &path) = 0;
    virtual bool copyFile(const QString &source, const QString &target) = 0;
    virtual QDateTime lastModified(const QString &path) = 0;
    // The program and its arguments apart, so that a blank in a folder name never splits a path.
    virtual void startHidden(const QString &program, const QStringList &arguments) = 0;
    // "Desktop", "Programs" or "Startup"; an empty text when the folder cannot be determined.
    virtual QString specialFolder(const QString &name) = 0;
    virtual bool createShortcut(const Shortcut &shortcut) = 0;
    // Replaces the file whole, or leaves it as it was and reports the failure.
    virtual bool writeFile(const QString &path, const QByteArray &bytes) = 0;
    // The roots of the mounted drives, the system's root first.
    virtual QStringList mountedDrives() = 0;
    // The names of `folder`'s subfolders, sorted without regard to case; nothing when the folder
    // cannot be listed.
    virtual std::optional<QStringList> subfolders(const QString &folder) = 0;
    // Whether a Quillmere runs from `installFolder`, holding its lock there.
    virtual bool isTrackerRunning(const QString &installFolder) = 0;
};

} // namespace qm::install
