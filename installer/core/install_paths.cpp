#include "install_paths.h"

#include <QDir>

namespace qmi {

QString joinPath(const QString &folder, const QString &name)
{
    return folder + kSeparator + name;
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

} // namespace qmi
