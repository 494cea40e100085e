#include "installer/ui/end_page.h"

#include "installer/core/wizard_flow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qm::install {

EndPage::EndPage(WizardFlow &flow, const WizardPictures &stock)
    : WizardWindow(flow, stock, QStringLiteral("frmEnd"))
{
    auto *label1 = new QLabel(tr("Installation terminée !"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAlignment(Qt::AlignCenter);
    content()->addWidget(label1);
    QPushButton *finish = addButton(QStringLiteral("cmdFinish"), tr("Fermer"));
    finish->setDefault(true);
    setFirstField(finish);
    connect(finish, &QPushButton::clicked, this, [this] { this->flow().endFinish(); });
}

} // namespace qm::install
