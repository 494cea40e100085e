#include "installer/platform/system_platform.h"

#include "installer/core/install_paths.h"
#include "installer/core/running_tracker.h"
#include "installer/platform/desktop_entry.h"
#include "installer/platform/desktop_icon.h"
#include "installer/platform/shortcut_owner.h"
#include "storage/durable_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace qm::install {

namespace {

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString systemFolder(const QString &windowsFolder)
{
    return joinPath(windowsFolder, QStringLiteral("system32"));
}

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString applicationsFolder()
{
    return joinPath(dataHome(), QStringLiteral("applications"));
}

QString autostartFolder()
{
    return joinPath(configHome(), QStringLiteral("autostart"));
}

} // namespace

// The folders that always exist where the installer comes from may be missing on a fresh
// account here. They are made when something is first written into them, never before, so that
// an abandoned or failed installation leaves no trace.
void SystemPlatform::makeStandInFolder(const QString &folder)
{
    for (const QString &standIn : { programFilesFolder(), systemFolder(windowsFolder()),
             desktopFolder(), applicationsFolder(), autostartFolder() }) {
        if (isSameFolder(folder, standIn)) {
            QDir().mkpath(standIn);
            return;
        }
    }
}

QString SystemPlatform::windowsFolder()
{
    return joinPath(dataHome(), QStringLiteral("Quillmere/windows"));
}

QString SystemPlatform::currentFolder()
{
    return QDir::currentPath();
}

bool SystemPlatform::fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool SystemPlatform::folderExists(const QString &path)
{
    return QFileInfo(path).isDir();
}

bool SystemPlatform::createFolder(const QString &path)
{
    makeStandInFolder(QFileInfo(path).path());
    return QDir().mkdir(path);
}

bool SystemPlatform::copyFile(const QString &source, const QString &target)
{
    const QFileInfo existing(target);
    if (existing.isDir() && !existing.isSymLink())
        return false;
    makeStandInFolder(existing.path());
    // The copy is renamed over the target, which would succeed even for a running program or a
    // read-only file; this system lets neither be opened for writing, so that open decides. A
    // link there is replaced, not opened: what it points to is none of the installer's business;
    // nor does a pipe planted there keep the run waiting.
    const int current = ::open(
        QFile::encodeName(target).constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (current >= 0)
        ::close(current);
    else if (errno != ENOENT && errno != ELOOP)
        return false;
    QFile shipped(source);
    if (!shipped.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = shipped.readAll();
    if (shipped.error() != QFileDevice::NoError)
        return false;
    // A release set on a read-only medium gives read-only copies, which the next installation
    // could not replace.
    FileStamp stamp;
    stamp.permissions = shipped.permissions() | QFile::WriteOwner;
    stamp.modified = QFileInfo(source).lastModified();
    return writeFileAtomically(target, bytes, stamp);
}

QDateTime SystemPlatform::lastModified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

void SystemPlatform::startHidden(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

QString SystemPlatform::specialFolder(const QString &name)
{
    if (name == u"Desktop")
        return desktopFolder();
    if (name == u"Programs")
        return applicationsFolder();
    if (name == u"Startup")
        return autostartFolder();
    return QString();
}

bool SystemPlatform::createShortcut(const Shortcut &shortcut)
{
    const QFileInfo target(shortcut.targetPath);
    const bool isProgram = target.isFile() && target.isExecutable();
    const QString path = shortcutFilePath(shortcut.linkPath);
    makeStandInFolder(QFileInfo(path).path());
    // An entry whose picture could not be written is not written either: the failure is the
    // shortcut's, and the run reports it.
    const std::optional<QString> icon = placeDesktopIcon(shortcut);
    if (!icon)
        return false;
    // Desktops only start launchers that are marked executable.
    FileStamp stamp;
    stamp.permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    return writeFileAtomically(path, formatDesktopEntry(shortcut, isProgram, *icon), stamp);
}

bool SystemPlatform::writeFile(const QString &path, const QByteArray &bytes)
{
    makeStandInFolder(QFileInfo(path).path());
    return writeFileAtomically(path, bytes, FileStamp());
}

QStringList SystemPlatform::mountedDrives()
{
    QStringList drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && !drives.contains(volume.rootPath()))
            drives.append(volume.rootPath());
    }
    if (!drives.contains(QDir::rootPath()))
        drives.prepend(QDir::rootPath());
    drives.sort();
    return drives;
}

bool SystemPlatform::isTrackerRunning(const QString &installFolder)
{
    // A running Quillmere keeps an flock on its lock file; a file left by one that died, or
    // none at all, holds no lock. Nothing is created or removed by the look.
    const int fd = ::open(QFile::encodeName(trackerLockPath(installFolder)).constData(),
        O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

std::optional<QStringList> SystemPlatform::subfolders(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !info.isExecutable())
        return std::nullopt;
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

bool SystemPlatform::isFileOrLink(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() || info.isSymLink();
}

std::optional<QStringList> SystemPlatform::folderEntries(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return std::nullopt;
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

bool SystemPlatform::removeFile(const QString &path)
{
    return QFile::remove(path);
}

bool SystemPlatform::removeEmptyFolder(const QString &folder)
{
    return QDir().rmdir(folder);
}

bool SystemPlatform::isShortcutOf(const QString &path, const QString &installFolder)
{
    return qm::install::isShortcutOf(QFileInfo(path), installFolder);
}

QString programFilesFolder()
{
    return joinPath(QDir::homePath(), QStringLiteral("Applications"));
}

} // namespace qm::install
