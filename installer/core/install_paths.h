#pragma once

#include <QString>

namespace qmi {

#ifdef Q_OS_WIN
inline constexpr QStringView kExeSuffix = u".exe";
inline constexpr QStringView kShortcutSuffix = u".lnk";
inline constexpr QChar kSeparator = u'\\';
#else
inline constexpr QStringView kExeSuffix = u"";
inline constexpr QStringView kShortcutSuffix = u".desktop";
inline constexpr QChar kSeparator = u'/';
#endif

// Paths are built by plain concatenation, as the user typed the folder, so that the uninstall
// data keeps the folder exactly as chosen.
QString joinPath(const QString &folder, const QString &name);

// A shortcut is named "….lnk" everywhere in the installer; this is the file actually written.
QString shortcutFilePath(const QString &linkPath);

// Folders the run may write into must be absolute: an empty or relative folder would put the
// files at the root of the drive or in the release folder.
bool isUsableFolder(const QString &folder);

} // namespace qmi
