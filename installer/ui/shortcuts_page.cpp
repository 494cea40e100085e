#include "installer/ui/shortcuts_page.h"

#include "installer/core/install_values.h"
#include "installer/core/wizard_flow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qm::install {

namespace {

QCheckBox *addCheckBox(QGroupBox *frame, const QString &name, const QString &caption, bool ticked)
{
    auto *box = new QCheckBox(caption, frame);
    box->setObjectName(name);
    box->setChecked(ticked);
    frame->layout()->addWidget(box);
    return box;
}

} // namespace

ShortcutsPage::ShortcutsPage(WizardFlow &flow, const WizardPictures &stock, LogSink &log)
    : WizardWindow(flow, stock, QStringLiteral("frmShort"))
{
    auto *label5 = new QLabel(tr("Quels raccourcis faut-il créer ?"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    auto *frame = new QGroupBox(u' ' + kProductName + u' ', this);
    frame->setObjectName(QStringLiteral("Frame1"));
    new QVBoxLayout(frame);
    m_start = addCheckBox(frame, QStringLiteral("chkStart"),
        tr(" groupe dans le menu des applications", "a shortcut"), true);
    m_startup = addCheckBox(
        frame, QStringLiteral("chkStartup"), tr(" au démarrage de la session", "a shortcut"), true);
    m_desktop = addCheckBox(
        frame, QStringLiteral("chkDesktop"), tr(" sur le bureau", "a shortcut"), false);
    content()->addWidget(label5);
    content()->addWidget(frame);
    content()->addStretch();
    QPushButton *install = addButton(QStringLiteral("cmdInstall"), tr("Suivant >"));
    QPushButton *cancel = addButton(QStringLiteral("cmdCancel"), tr("Abandon"));
    install->setDefault(true);
    setFirstField(m_start);
    connect(install, &QPushButton::clicked, this,
        [this, &log] { this->flow().shortNext(choice(), log); });
    connect(cancel, &QPushButton::clicked, this, [this] { this->flow().cancel(); });
}

ShortcutChoice ShortcutsPage::choice() const
{
    return ShortcutChoice { m_start->isChecked(), m_startup->isChecked(), m_desktop->isChecked() };
}

} // namespace qm::install
