#pragma once

#include "installer/ui/wizard_window.h"

namespace qmi {

class frmEnd : public WizardWindow
{
    Q_OBJECT

public:
    frmEnd(WizardFlow &flow, const frmStock &stock);
};

} // namespace qmi
