#pragma once

#include "installer/core/wizard_flow.h"
#include "installer/ui/wizard_pictures.h"

#include <QObject>

#include <array>
#include <memory>

namespace qm::install {

class WizardWindow;
class WelcomePage;
class EndPage;
class FolderPage;
class LogPage;
class ShortcutsPage;

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
    std::array<QWidget *, 5> windows() const;
    void showPage(WizardPage page);
    // The first window opens in the middle of its screen, each other one where the window
    // before it stands.
    void place(QWidget *window) const;

    WizardFlow m_flow;
    WizardPictures m_stock;
    std::unique_ptr<WelcomePage> m_about;
    std::unique_ptr<FolderPage> m_install;
    std::unique_ptr<LogPage> m_log;
    std::unique_ptr<ShortcutsPage> m_short;
    std::unique_ptr<EndPage> m_end;
};

} // namespace qm::install
