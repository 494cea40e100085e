#include "installer/core/wizard_flow.h"

#include "installer/core/install_paths.h"
#include "installer/core/questions.h"

namespace qm::install {

WizardFlow::WizardFlow(Platform &platform, Questions &questions, InstallState &state)
    : m_platform(platform)
    , m_questions(questions)
    , m_state(state)
    , m_payload(standardPayload())
{ }

QString WizardFlow::windowTitle() const
{
    return tr("%1 - installation").arg(kProductName);
}

void WizardFlow::aboutNext()
{
    if (m_page == WizardPage::About)
        show(WizardPage::Install);
}

QString WizardFlow::folderClicked(const QString &entry)
{
    m_state.installPath = proposedInstallPath(entry, kProductName);
    return m_state.installPath;
}

bool WizardFlow::installNext(const QString &typedPath)
{
    if (m_page != WizardPage::Install)
        return false;
    if (holdsControlCharacter(typedPath)) {
        m_pathError = tr("Le dossier d'installation ne peut contenir ni retour à la ligne ni "
                         "autre caractère de contrôle.");
        return false;
    }
    m_pathError.clear();
    m_state.installPath = typedPath;
    show(WizardPage::Short);
    return true;
}

void WizardFlow::shortNext(const ShortcutChoice &choice, LogSink &log)
{
    if (m_page != WizardPage::Short || m_ran)
        return;
    m_ran = true;
    show(WizardPage::Log);
    InstallationRun run(m_platform, m_questions, log, m_payload, m_state);
    run.runInstallation(choice, [this](const FinishButton &finish) {
        m_finish = finish;
        emit finishButtonChanged();
    });
}

void WizardFlow::logFinish()
{
    if (m_page != WizardPage::Log || !m_finish.enabled)
        return;
    if (m_finish.caption == kFinishCloseCaption)
        quit();
    else
        show(WizardPage::End);
}

void WizardFlow::endFinish()
{
    if (m_page == WizardPage::End)
        quit();
}

bool WizardFlow::cancel()
{
    if (m_page != WizardPage::About && m_page != WizardPage::Install && m_page != WizardPage::Short)
        return false;
    // A plain Yes/No box answers Yes to Enter; the wizard's confirmation keeps that.
    if (!m_questions.askYesNo(tr("   Abandonner l'installation ?   "),
            tr("%1 - Confirmation", "title of a yes/no question").arg(kProductName), Answer::Yes))
        return false;
    quit();
    return true;
}

void WizardFlow::closeRequested()
{
    switch (m_page) {
    case WizardPage::About:
    case WizardPage::Install:
    case WizardPage::Short:
        cancel();
        break;
    case WizardPage::Log:
        // Once the run has ended there is nothing left to decide: the installation is done or
        // has failed, and the end window would only say so again. Closing the log quits, like
        // "Fermer"; while the run goes on the button is disabled and the window stays.
        if (m_finish.enabled)
            quit();
        break;
    case WizardPage::End:
        endFinish();
        break;
    case WizardPage::Closed:
        break;
    }
}

void WizardFlow::show(WizardPage page)
{
    m_page = page;
    emit pageChanged(page);
}

void WizardFlow::quit()
{
    show(WizardPage::Closed);
}

} // namespace qm::install
