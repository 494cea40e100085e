#pragma once

#include "installer/core/platform.h"

#include <QByteArray>

namespace qm::install {

// A shortcut as a freedesktop desktop entry: a program is started with its working folder, a
// document (the help file) is opened as a link to its file. `icon` is an image file or the name of
// a themed icon. Each entry names its installation folder (the working folder) under the
// installation key, by which the uninstaller tells its own entries from others of the same name.
QByteArray formatDesktopEntry(const Shortcut &shortcut, bool isProgram, const QString &icon);

// The quoted form of one Exec argument, then escaped as a desktop entry value.
QString desktopExecArgument(const QString &path);

} // namespace qm::install
