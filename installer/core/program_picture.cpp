#include "installer/core/program_picture.h"

// The picture sits in a static library: its resources must be registered by hand.
static void registerPicture()
{
    static const bool kRegistered = [] {
        Q_INIT_RESOURCE(program_picture);
        return true;
    }();
    Q_UNUSED(kRegistered);
}

namespace qm::install {

QString programPicturePath()
{
    registerPicture();
    return QStringLiteral(":/installer/quillmere.png");
}

} // namespace qm::install
