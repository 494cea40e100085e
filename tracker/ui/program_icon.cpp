#include "tracker/ui/program_icon.h"

// The pictures sit in a static library: its resources must be registered by hand.
static void registerPictures()
{
    static const bool kRegistered = [] {
        Q_INIT_RESOURCE(tracker);
        return true;
    }();
    Q_UNUSED(kRegistered);
}

namespace qm {

QIcon programIcon()
{
    registerPictures();
    return QIcon(QStringLiteral(":/tracker/quillmere.png"));
}

QPixmap programPicture(int size)
{
    return programIcon().pixmap(size, size);
}

} // namespace qm
