#include "installer/core/folder_list.h"

#include "installer/core/install_paths.h"
#include "installer/core/platform.h"

#include <QDir>

namespace qm::install {

namespace {

QString childPath(const QString &folder, const QString &name)
{
    return folder.endsWith(kSeparator) ? folder + name : joinPath(folder, name);
}

QStringList chainTo(const QString &folder)
{
    QStringList chain;
    QDir dir(folder);
    chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));
    while (dir.cdUp())
        chain.prepend(QDir::toNativeSeparators(dir.absolutePath()));
    return chain;
}

bool isInside(const QString &folder, const QString &root)
{
    if (root.endsWith(kSeparator))
        return folder.startsWith(root) || folder + kSeparator == root;
    return folder == root || folder.startsWith(root + kSeparator);
}

} // namespace

FolderList::FolderList(Platform &platform, const QString &folder)
    : m_platform(platform)
{
    if (!setCurrentFolder(folder))
        setCurrentFolder(QDir::rootPath());
}

bool FolderList::setCurrentFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString current = QDir::toNativeSeparators(QDir(folder).absolutePath());
    const std::optional<QStringList> names = m_platform.subfolders(current);
    if (!names)
        return false;
    QStringList entries = chainTo(current);
    const qsizetype chainLength = entries.size();
    for (const QString &name : *names)
        entries.append(childPath(current, name));
    m_current = current;
    m_entries = entries;
    m_chainLength = chainLength;
    return true;
}

QString driveOf(const QString &folder, const QStringList &drives)
{
    QString best;
    for (const QString &drive : drives) {
        if (drive.size() > best.size() && isInside(folder, drive))
            best = drive;
    }
    return best;
}

} // namespace qm::install
