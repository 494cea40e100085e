#include "installer/ui/log_page.h"

#include "installer/core/wizard_flow.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace qm::install {

namespace {

QString shownCaption(const QString &caption)
{
    return QCoreApplication::translate(kFinishContext, caption.toUtf8().constData());
}

} // namespace

LogPage::LogPage(WizardFlow &flow, const WizardPictures &stock)
    : WizardWindow(flow, stock, QStringLiteral("frmLog"))
{
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("txtLog"));
    m_log->setReadOnly(true);
    m_log->setAccessibleName(tr("Compte rendu de l'installation"));
    content()->addWidget(m_log);
    m_finish = addButton(QStringLiteral("cmdFinish"), shownCaption(kFinishNextCaption));
    m_finish->setEnabled(false);
    m_finish->setDefault(true);
    // The button takes the focus once the run is over and it is enabled.
    setFirstField(m_log);
    connect(m_finish, &QPushButton::clicked, this, [this] { this->flow().logFinish(); });
    connect(&flow, &WizardFlow::finishButtonChanged, this, &LogPage::showFinishButton);
}

void LogPage::append(const QString &text)
{
    m_text += text;
    // The text box shows lines; the log keeps its CR LF pairs.
    QString shown = m_text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_log->setPlainText(shown);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LogPage::showFinishButton()
{
    m_finish->setText(shownCaption(flow().finishButton().caption));
    m_finish->setEnabled(flow().finishButton().enabled);
    setFirstField(m_finish->isEnabled() ? static_cast<QWidget *>(m_finish) : m_log);
    if (m_finish->isEnabled())
        m_finish->setFocus();
}

} // namespace qm::install
