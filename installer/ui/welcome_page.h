#pragma once

#include "installer/ui/wizard_window.h"

namespace qm::install {

class WelcomePage : public WizardWindow
{
    Q_OBJECT

public:
    WelcomePage(WizardFlow &flow, const WizardPictures &stock);
};

} // namespace qm::install
