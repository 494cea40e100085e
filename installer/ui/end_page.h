#pragma once

#include "installer/ui/wizard_window.h"

namespace qm::install {

class EndPage : public WizardWindow
{
    Q_OBJECT

public:
    EndPage(WizardFlow &flow, const WizardPictures &stock);
};

} // namespace qm::install
