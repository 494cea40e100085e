#pragma once

#include "installer/ui/wizard_window.h"

namespace qm::install {

class frmAbout : public WizardWindow
{
    Q_OBJECT

public:
    frmAbout(WizardFlow &flow, const frmStock &stock);
};

} // namespace qm::install
