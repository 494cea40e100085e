#pragma once

#include "installer/ui/wizard_window.h"

namespace qm::install {

class frmEnd : public WizardWindow
{
    Q_OBJECT

public:
    frmEnd(WizardFlow &flow, const frmStock &stock);
};

} // namespace qm::install
