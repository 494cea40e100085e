#include "installer/platform/system_platform.h"

#include "installer/core/install_paths.h"
#include "installer/platform/desktop_entry.h"
#include "installer/platform/desktop_icon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace qmi {

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
    if (QFileInfo(target).isDir())
        return false;
    makeStandInFolder(QFileInfo(target).path());
    // The copy is renamed over the target, which would succeed even for a running program or a
    // read-only file; this system lets neither be opened for writing, so that open decides.
    if (QFileInfo::exists(target)) {
        QFile current(target);
        if (!current.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
    }
    // Written beside the target and renamed over it, so that a failed copy never leaves a
    // half-written program.
    const QString partial = target + QStringLiteral(".part");
    QFile::remove(partial);
    if (!QFile::copy(source, partial))
        return false;
    QFile copy(partial);
    // A release set on a read-only medium gives read-only copies, which the next installation
    // could not replace.
    copy.setPermissions(copy.permissions() | QFile::WriteOwner);
    const QDateTime modified = QFileInfo(source).lastModified();
    if (!copy.open(QIODevice::ReadOnly)
        || !copy.setFileTime(modified, QFileDevice::FileModificationTime)) {
        copy.remove();
        return false;
    }
    copy.close();
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData())
        != 0) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

QDateTime SystemPlatform::lastModified(const QString &path)
{
    return QFileInfo(path).lastModified();
}

void SystemPlatform::startHidden(const QString &commandLine)
{
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return;
    const QString program = arguments.takeFirst();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray entry = formatDesktopEntry(shortcut, isProgram, placeDesktopIcon(shortcut));
    if (file.write(entry) != entry.size()) {
        file.cancelWriting();
        return false;
    }
    // Desktops only start launchers that are marked executable.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return file.commit();
}

void SystemPlatform::showError(const QString &text, const QString &title)
{
    if (m_errors == Errors::StandardError) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text.trimmed()));
        return;
    }
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

QString programFilesFolder()
{
    return joinPath(QDir::homePath(), QStringLiteral("Applications"));
}

} // namespace qmi
