#pragma once

#include "installer/core/install_values.h"
#include "installer/ui/wizard_window.h"

class QCheckBox;

namespace qm::install {

class LogSink;

class frmShort : public WizardWindow
{
    Q_OBJECT

public:
    frmShort(WizardFlow &flow, const frmStock &stock, LogSink &log);

    ShortcutChoice choice() const;

private:
    QCheckBox *m_start = nullptr;
    QCheckBox *m_startup = nullptr;
    QCheckBox *m_desktop = nullptr;
};

} // namespace qm::install
