#include "installer/core/install_paths.h"

#include <QDir>

namespace qmi {

QString joinPath(const QString &folder, const QString &name)
{
    return folder + kSeparator + name;
}

bool isSameFolder(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}

QString shortcutFilePath(const QString &linkPath)
{
    if (!linkPath.endsWith(u".lnk", Qt::CaseInsensitive))
        return linkPath;
    return linkPath.chopped(4) + kShortcutSuffix;
}

bool isUsableFolder(const QString &folder)
{
    return !folder.trimmed().isEmpty() && QDir::isAbsolutePath(folder);
}

QString proposedInstallPath(const QString &entry, const QString &productName)
{
    if (entry.endsWith(kSeparator))
        return entry + productName;
    return joinPath(entry, productName);
}

} // namespace qmi
