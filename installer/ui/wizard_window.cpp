#include "installer/ui/wizard_window.h"

#include "installer/core/wizard_flow.h"
#include "installer/ui/program_icon.h"
#include "installer/ui/wizard_pictures.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace qm::install {

WizardWindow::WizardWindow(WizardFlow &flow, const WizardPictures &stock, const QString &objectName)
    : m_flow(flow)
{
    setObjectName(objectName);
    setWindowTitle(flow.windowTitle());
    setWindowIcon(programIcon());
    auto *outer = new QHBoxLayout(this);
    auto *pictures = new QVBoxLayout;
    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(stock.imgTitle());
    auto *image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(stock.imgLogo());
    pictures->addWidget(image1);
    pictures->addStretch();
    pictures->addWidget(image2);
    outer->addLayout(pictures);

    auto *right = new QVBoxLayout;
    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    m_content = new QVBoxLayout(shape);
    right->addWidget(shape, 1);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    right->addLayout(m_buttons);
    outer->addLayout(right, 1);
    setMinimumSize(460, 260);
    // One size for all, so that going on changes the window's content and nothing else.
    resize(560, 420);
}

QPushButton *WizardWindow::addButton(const QString &objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    m_buttons->addWidget(button);
    return button;
}

void WizardWindow::present()
{
    show();
    raise();
    activateWindow();
    if (m_firstField)
        m_firstField->setFocus(Qt::ActiveWindowFocusReason);
}

void WizardWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QPushButton *button : findChildren<QPushButton *>()) {
            if (button->isDefault() && button->isEnabled() && button->isVisible()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void WizardWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_flow.closeRequested();
}

} // namespace qm::install
