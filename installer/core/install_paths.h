#pragma once

#include <QString>

namespace qm::install {

#ifdef Q_OS_WIN
inline const QString kExeSuffix = QStringLiteral(".exe");
inline const QString kShortcutSuffix = QStringLiteral(".lnk");
inline constexpr QChar kSeparator = u'\\';
#else
inline const QString kExeSuffix = QStringLiteral("");
inline const QString kShortcutSuffix = QStringLiteral(".desktop");
inline constexpr QChar kSeparator = u'/';
#endif

// Paths are built by plain concatenation, as the user typed the folder, so that the uninstall
// data keeps the folder exactly as chosen.
QString joinPath(const QString &folder, const QString &name);

// The folder as the file operations use it: without doubled or trailing separators, which the
// user may have typed and which would otherwise end up in the shortcuts. Kept whole is the root.
QString fileFolder(const QString &folder);

// Whether two folder paths, neither empty, name the same folder once "." and ".." are resolved.
bool isSameFolder(const QString &a, const QString &b);

// A shortcut is named "….lnk" everywhere in the installer; this is the file actually written.
QString shortcutFilePath(const QString &linkPath);

// Folders the run may write into must be absolute: an empty or relative folder would put the
// files at the root of the drive or in the release folder.
bool isUsableFolder(const QString &folder);

// A line break in a folder name would break the uninstall data's lines, and no other control
// character belongs in a name the user can read.
bool holdsControlCharacter(const QString &path);

// The installation folder proposed when the user picks a folder in the list: a root already ends
// with the separator, so the product's folder is added without doubling it.
QString proposedInstallPath(const QString &entry, const QString &productName);

} // namespace qm::install
