#pragma once

#include "installer/core/platform.h"

#include <optional>

namespace qm::install {

// The file of an icon location, which is given as "file, index".
QString iconLocationFile(const QString &iconLocation);

// The Icon value of a shortcut's desktop entry. A desktop shows an image or a themed icon, never
// the picture inside a program: a program of the installation folder (the shortcut's working
// folder) gets the product's picture, written beside it; anything else the themed icon of its
// file type. Nothing when the picture cannot be written.
std::optional<QString> placeDesktopIcon(const Shortcut &shortcut);

} // namespace qm::install
