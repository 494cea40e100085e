#pragma once

#include <QString>
#include <QStringList>

namespace qm::install {

class Platform;

// What the folder list of the installation window shows: the chain of folders from the drive's
// root down to the current folder, then the current folder's subfolders, each as a full path.
class FolderList
{
public:
    FolderList(Platform &platform, const QString &folder);

    const QString &currentFolder() const { return m_current; }
    const QStringList &entries() const { return m_entries; }
    // Entries up to this index are the current folder and the folders above it.
    qsizetype currentIndex() const { return m_chainLength - 1; }

    // A folder that cannot be listed (a drive with no medium, a folder removed meanwhile) leaves
    // the list as it was.
    bool setCurrentFolder(const QString &folder);

private:
    Platform &m_platform;
    QString m_current;
    QStringList m_entries;
    qsizetype m_chainLength = 0;
};

// The drive (mount point) among `drives` that holds `folder`: the longest matching root.
QString driveOf(const QString &folder, const QStringList &drives);

} // namespace qm::install
