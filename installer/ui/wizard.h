#pragma once

#include "installer/core/wizard_flow.h"
#include "installer/ui/frm_stock.h"

#include <QObject>

#include <memory>

namespace qm::install {

class WizardWindow;
class frmAbout;
class frmEnd;
class frmInstall;
class frmLog;
class frmShort;

// The five windows, all made at the start and hidden; the one the flow names is shown.
class Wizard : public QObject
{
    Q_OBJECT

public:
    Wizard(
        Platform &platform, Questions &questions, InstallState &state, const QStringList &drives);
    ~Wizard() override;

    WizardFlow &flow() { return m_flow; }
    void start();
    // Goes through the windows as a user who keeps every default would, into `installPath`.
    // False when the folder is refused, before anything is done.
    bool runUnattended(const QString &installPath);
    // The window shown now, or none once the wizard has quit.
    QWidget *currentWindow() const;

signals:
    void finished();

private:
    void showPage(WizardPage page);

    WizardFlow m_flow;
    frmStock m_stock;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmInstall> m_install;
    std::unique_ptr<frmLog> m_log;
    std::unique_ptr<frmShort> m_short;
    std::unique_ptr<frmEnd> m_end;
};

} // namespace qm::install
