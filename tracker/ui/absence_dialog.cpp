#include "tracker/ui/absence_dialog.h"

#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

AbsenceDialog::AbsenceDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("frmAbsence"));
    setWindowTitle(tr("Quillmere - Absence"));
    setWindowIcon(programIcon());
    setModal(true);
    m_text->setObjectName(QStringLiteral("lblAbsence"));
    m_text->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto button
        = [this, buttons](const char *name, const QString &caption, AbsenceAnswer answer) {
              auto *command = new QPushButton(caption, this);
              command->setObjectName(QString::fromLatin1(name));
              buttons->addWidget(command);
              connect(command, &QPushButton::clicked, this, [this, answer] {
                  m_answer = answer;
                  accept();
              });
              return command;
          };
    QPushButton *pause = button("cmdPause", tr("Compter une pause"), AbsenceAnswer::CountPause);
    pause->setDefault(true);
    giveMnemonics(
        { pause, button("cmdChange", tr("Changer d'activité"), AbsenceAnswer::ChangeActivity),
            button("cmdIgnore", tr("Ignorer"), AbsenceAnswer::Ignore) });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(buttons);
}

AbsenceAnswer AbsenceDialog::ask(const QString &text)
{
    m_text->setText(text);
    // Escape and the close box reject the window, and leave this answer.
    m_answer = AbsenceAnswer::Ignore;
    show();
    // The user comes back to whatever they left on screen: the question must be in sight.
    raise();
    activateWindow();
    exec();
    return m_answer;
}

} // namespace qm
