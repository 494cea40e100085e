#include "installer/ui/program_icon.h"

// The picture sits in a static library: its resources must be registered by hand.
static void registerPicture()
{
    static const bool kRegistered = [] {
        Q_INIT_RESOURCE(program_icon);
        return true;
    }();
    Q_UNUSED(kRegistered);
}

namespace qm::install {

QIcon programIcon()
{
    registerPicture();
    return QIcon(QStringLiteral(":/install/quillmere.png"));
}

} // namespace qm::install
