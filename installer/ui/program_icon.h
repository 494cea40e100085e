#pragma once

#include <QIcon>

namespace qm::install {

// Quillmere's picture, which every window of the installer and the uninstaller carries.
QIcon programIcon();

} // namespace qm::install
