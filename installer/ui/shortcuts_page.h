#pragma once

#include "installer/core/install_values.h"
#include "installer/ui/wizard_window.h"

class QCheckBox;

namespace qm::install {

class LogSink;

class ShortcutsPage : public WizardWindow
{
    Q_OBJECT

public:
    ShortcutsPage(WizardFlow &flow, const WizardPictures &stock, LogSink &log);

    ShortcutChoice choice() const;

private:
    QCheckBox *m_start = nullptr;
    QCheckBox *m_startup = nullptr;
    QCheckBox *m_desktop = nullptr;
};

} // namespace qm::install
