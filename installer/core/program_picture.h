#pragma once

#include <QString>

namespace qm::install {

// The resource path of Quillmere's picture: the windows' icon, and the file the desktop entries
// show.
QString programPicturePath();

} // namespace qm::install
