#include "installer/ui/wizard.h"

#include "installer/ui/end_page.h"
#include "installer/ui/folder_page.h"
#include "installer/ui/log_page.h"
#include "installer/ui/shortcuts_page.h"
#include "installer/ui/welcome_page.h"

#include <QScreen>

namespace qm::install {

Wizard::Wizard(
    Platform &platform, Questions &questions, InstallState &state, const QStringList &drives)
    : m_flow(platform, questions, state)
    , m_about(std::make_unique<WelcomePage>(m_flow, m_stock))
    , m_install(std::make_unique<FolderPage>(m_flow, m_stock, drives))
    , m_log(std::make_unique<LogPage>(m_flow, m_stock))
    , m_short(std::make_unique<ShortcutsPage>(m_flow, m_stock, *m_log))
    , m_end(std::make_unique<EndPage>(m_flow, m_stock))
{
    connect(&m_flow, &WizardFlow::pageChanged, this, &Wizard::showPage);
}

Wizard::~Wizard() = default;

void Wizard::start()
{
    showPage(m_flow.page());
}

bool Wizard::runUnattended(const QString &installPath)
{
    m_flow.aboutNext();
    if (!m_flow.installNext(installPath))
        return false;
    m_flow.shortNext(m_short->choice(), *m_log);
    m_flow.logFinish();
    m_flow.endFinish();
    return true;
}

QWidget *Wizard::currentWindow() const
{
    switch (m_flow.page()) {
    case WizardPage::About:
        return m_about.get();
    case WizardPage::Install:
        return m_install.get();
    case WizardPage::Short:
        return m_short.get();
    case WizardPage::Log:
        return m_log.get();
    case WizardPage::End:
        return m_end.get();
    case WizardPage::Closed:
        break;
    }
    return nullptr;
}

std::array<QWidget *, 5> Wizard::windows() const
{
    return { m_about.get(), m_end.get(), m_install.get(), m_log.get(), m_short.get() };
}

void Wizard::showPage(WizardPage)
{
    QWidget *shown = currentWindow();
    // Shown before the others are hidden, so that the application never sees a moment with no
    // window and quits on its own.
    if (shown) {
        if (!shown->isVisible())
            place(shown);
        static_cast<WizardWindow *>(shown)->present();
    }
    for (QWidget *window : windows()) {
        if (window != shown)
            window->hide();
    }
    if (!shown)
        emit finished();
}

void Wizard::place(QWidget *window) const
{
    // Where the window before it stands, moved by the user or not: the wizard stays in one place.
    for (const QWidget *before : windows()) {
        if (before != window && before->isVisible()) {
            window->move(before->pos());
            return;
        }
    }
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.center() - window->rect().center());
}

} // namespace qm::install
