#include "installer/uninstaller/uninstall_dialog.h"

#include "installer/core/install_values.h"
#include "installer/core/questions.h"
#include "installer/core/running_tracker.h"
#include "installer/core/uninstall_platform.h"
#include "installer/ui/program_icon.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace qm::install {

UninstallDialog::UninstallDialog(
    UninstallPlatform &platform, const UninstallPlan &plan, Questions &questions)
    : m_platform(platform)
    , m_plan(plan)
    , m_questions(questions)
{
    setObjectName(QStringLiteral("frmUninstall"));
    setWindowTitle(tr("%1 - désinstallation").arg(kProductName));
    setWindowIcon(programIcon());
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("Les éléments suivants vont être supprimés :"), this);
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstFiles"));
    list->setAccessibleName(label->text());
    list->addItems(plan.shortcuts);
    // A group that other programs' entries or the user's keep is left in place.
    if (removesProgramGroup(platform, plan))
        list->addItem(plan.programGroup);
    list->addItems(plan.programFiles);
    // Kept, by default, whenever the user's files are.
    if (removesInstallFolder(platform, plan, false))
        list->addItem(plan.installFolder);
    layout->addWidget(label);
    layout->addWidget(list);
    if (!plan.userFiles.isEmpty()) {
        layout->addWidget(
            new QLabel(tr("Votre journal, vos réglages et la journée en cours sont conservés,\n"
                          "sauf si vous demandez à les supprimer."),
                this));
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *remove = new QPushButton(tr("Désinstaller"), this);
    remove->setObjectName(QStringLiteral("cmdUninstall"));
    auto *cancel = new QPushButton(tr("Abandon"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setDefault(true);
    buttons->addWidget(remove);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(remove, &QPushButton::clicked, this, &UninstallDialog::uninstall);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(620, 360);
}

void UninstallDialog::uninstall()
{
    if (!waitUntilTrackerQuits([this] { return m_platform.isTrackerRunning(m_plan.installFolder); },
            m_questions, windowTitle())) {
        m_trackerRunning = true;
        reject();
        return;
    }
    const bool removeUserFiles = !m_plan.userFiles.isEmpty()
        && m_questions.askYesNo(
            tr("Supprimer aussi votre journal, vos réglages et la journée en cours ?"),
            tr("%1 - Confirmation", "title of a yes/no question").arg(kProductName), Answer::No);
    m_result = carryOut(m_platform, m_plan, removeUserFiles);
    accept();
}

} // namespace qm::install
