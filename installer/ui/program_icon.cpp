#include "installer/ui/program_icon.h"

#include "installer/core/program_picture.h"

namespace qm::install {

QIcon programIcon()
{
    return QIcon(programPicturePath());
}

} // namespace qm::install
