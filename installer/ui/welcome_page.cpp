#include "installer/ui/welcome_page.h"

#include "installer/core/install_values.h"
#include "installer/core/wizard_flow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qm::install {

WelcomePage::WelcomePage(WizardFlow &flow, const WizardPictures &stock)
    : WizardWindow(flow, stock, QStringLiteral("frmAbout"))
{
    auto *label1
        = new QLabel(tr("Cet assistant va installer", "followed by the product name"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto *label2 = new QLabel(kProductName, this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFont big = label2->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    label2->setFont(big);
    auto *label3 = new QLabel(tr("sur cet ordinateur.", "after the product name"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    content()->addStretch();
    for (QLabel *label : { label1, label2, label3 }) {
        label->setAlignment(Qt::AlignCenter);
        content()->addWidget(label);
    }
    content()->addStretch();
    QPushButton *install = addButton(QStringLiteral("cmdInstall"), tr("Suivant >"));
    QPushButton *cancel = addButton(QStringLiteral("cmdCancel"), tr("Abandon"));
    install->setDefault(true);
    // Nothing to type here: the focus is on the way on.
    setFirstField(install);
    connect(install, &QPushButton::clicked, this, [this] { this->flow().aboutNext(); });
    connect(cancel, &QPushButton::clicked, this, [this] { this->flow().cancel(); });
}

} // namespace qm::install
