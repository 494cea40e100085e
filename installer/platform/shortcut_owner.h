#pragma once

#include <QFileInfo>
#include <QString>

namespace qm::install {

// Whether a shortcut is one the installer made for this very installation: a plain file (the
// installer never makes links) whose desktop entry names `installFolder` as its installation.
// A shortcut of the user's under the same name, or of another installation, is not.
bool isShortcutOf(const QFileInfo &file, const QString &installFolder);

} // namespace qm::install
