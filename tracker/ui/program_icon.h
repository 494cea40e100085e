#pragma once

#include <QIcon>
#include <QPixmap>

namespace qm {

// The program's own picture: the notification-area icon and the windows' pictures.
QIcon programIcon();
QPixmap programPicture(int size);

} // namespace qm
