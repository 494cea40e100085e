#include "tracker/ui/message_dialog.h"

#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"
#include "tracker/ui/window_focus.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qm {

MessageDialog::MessageDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
    , m_icon(new QLabel(this))
    , m_abandon(new QPushButton(this))
    , m_continue(new QPushButton(this))
    , m_suppress(new QCheckBox(tr("Ne plus afficher ce message"), this))
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(tr("Quillmere - Message"));
    setWindowIcon(programIcon());
    setModal(true);
    m_text->setObjectName(QStringLiteral("txtMessage"));
    // Plain text as message boxes show it: its lines are broken where the message breaks them.
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_icon->setObjectName(QStringLiteral("Picture1"));
    m_abandon->setObjectName(QStringLiteral("cmdAbandon"));
    m_continue->setObjectName(QStringLiteral("cmdCont"));
    m_suppress->setObjectName(QStringLiteral("chkSuppr"));
    m_abandon->setAutoDefault(false);
    m_continue->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    top->addWidget(m_icon, 0, Qt::AlignTop);
    top->addWidget(m_text, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_suppress);
    bottom->addStretch(1);
    bottom->addWidget(m_abandon);
    bottom->addWidget(m_continue);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(m_abandon, &QPushButton::clicked, this, [this] {
        m_answer = false;
        hide();
    });
    connect(m_continue, &QPushButton::clicked, this, [this] {
        m_answer = true;
        hide();
    });
}

bool MessageDialog::ask(const StockMessage &message, bool &suppress)
{
    // A question asked while one is already up (from the icon's menu) would overwrite it and
    // come back at once: it gets the answer that changes nothing.
    if (isVisible()) {
        suppress = false;
        return false;
    }
    m_suppress->setVisible(message.offersSuppression);
    m_suppress->setChecked(false);
    m_text->setText(message.text);
    const auto standard = message.icon == StockMessage::Icon::Question
        ? QStyle::SP_MessageBoxQuestion
        : QStyle::SP_MessageBoxWarning;
    // The size message boxes give their icon in this style.
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(standard, nullptr, this).pixmap(size, size));
    m_abandon->setVisible(!message.leftCaption.isEmpty());
    m_abandon->setText(message.leftCaption);
    m_continue->setText(message.rightCaption);
    giveMnemonics({ m_continue, m_abandon, m_suppress });
    m_answer = true;
    m_closeAnswer = message.closeAnswer;
    // Enter gives the answer that loses nothing, as the close box does, and the window shows it.
    QPushButton *safe
        = message.closeAnswer || message.leftCaption.isEmpty() ? m_continue : m_abandon;
    m_continue->setDefault(safe == m_continue);
    m_abandon->setDefault(safe == m_abandon);
    const QPointer<QWidget> asking = QApplication::activeWindow();
    exec();
    giveKeysBack(asking);
    suppress = message.offersSuppression && m_suppress->isChecked();
    return m_answer;
}

void MessageDialog::reject()
{
    // The close box and Escape give the answer that loses nothing.
    m_answer = m_closeAnswer;
    hide();
}

void MessageDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A question must never open behind the window that asked it.
    bringToFront(this, m_continue->isDefault() ? m_continue : m_abandon);
}

} // namespace qm
