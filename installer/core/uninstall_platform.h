#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qm::install {

// What the uninstaller asks of the system: what is there, and its removal.
class UninstallPlatform
{
public:
    virtual ~UninstallPlatform() = default;

    // A file, or a link even to nothing: something a removal takes away.
    virtual bool isFileOrLink(const QString &path) = 0;
    // The names in `folder`, hidden ones included; nothing when it is not a folder.
    virtual std::optional<QStringList> folderEntries(const QString &folder) = 0;
    virtual bool removeFile(const QString &path) = 0;
    // Removes `folder` when it is empty, and fails otherwise.
    virtual bool removeEmptyFolder(const QString &folder) = 0;
    // Whether the shortcut at `path` is one the installer made for `installFolder`.
    virtual bool isShortcutOf(const QString &path, const QString &installFolder) = 0;
    // Whether a Quillmere runs from `installFolder`, holding its lock there.
    virtual bool isTrackerRunning(const QString &installFolder) = 0;
};

} // namespace qm::install
