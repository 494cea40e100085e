#include "installer/core/install_paths.h"

#include <QDir>

#include <algorithm>

namespace qm::install {

QString joinPath(const QString &folder, const QString &name)
{
    return folder + kSeparator + name;
}

QString fileFolder(const QString &folder)
{
    QString cleaned;
    for (qsizetype i = 0; i < folder.size(); ++i) {
        // A network path begins with two separators, which must stay.
        if (folder.at(i) == kSeparator && i > 1 && cleaned.endsWith(kSeparator))
            continue;
        cleaned += folder.at(i);
    }
    while (cleaned.size() > 1 && cleaned.endsWith(kSeparator))
        cleaned.chop(1);
    return cleaned;
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

bool holdsControlCharacter(const QString &path)
{
    return std::any_of(
        path.begin(), path.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString proposedInstallPath(const QString &entry, const QString &productName)
{
    if (entry.endsWith(kSeparator))
        return entry + productName;
    return joinPath(entry, productName);
}

} // namespace qm::install
