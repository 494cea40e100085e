#include "tracker/ui/absence_settings_dialog.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm {

AbsenceSettingsDialog::AbsenceSettingsDialog(Tracker &tracker, QWidget *parent)
    : QDialog(parent)
    , m_tracker(tracker)
    , m_offer(new QCheckBox(tr("Proposer une pause après une absence de"), this))
    , m_minutes(new QSpinBox(this))
    , m_noIdleTime(new QLabel(tr("Votre bureau n'indique pas le temps d'inactivité : "
                                 "les absences ne peuvent pas être détectées."),
          this))
    , m_remind(new QCheckBox(tr("Me rappeler l'activité en cours après"), this))
    , m_reminderMinutes(new QSpinBox(this))
    , m_noReminders(new QLabel(tr("Votre bureau n'affiche pas de notifications : les rappels "
                                  "ne sont pas possibles."),
          this))
{
    setObjectName(QStringLiteral("frmAbsences"));
    setWindowTitle(tr("Quillmere - Absences"));
    setWindowIcon(programIcon());
    setModal(true);
    m_offer->setObjectName(QStringLiteral("chkAbsence"));
    m_minutes->setObjectName(QStringLiteral("txtAbsenceMinutes"));
    m_minutes->setRange(1, kMaxAbsenceMinutes);
    m_minutes->setAccessibleName(tr("Durée de l'absence, en minutes"));
    auto *unit = new QLabel(tr("minutes"), this);
    unit->setObjectName(QStringLiteral("lblAbsenceMinutes"));
    unit->setBuddy(m_minutes);
    m_noIdleTime->setObjectName(QStringLiteral("lblNoIdleTime"));
    m_noIdleTime->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Annuler"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);

    m_remind->setObjectName(QStringLiteral("chkReminder"));
    m_reminderMinutes->setObjectName(QStringLiteral("txtReminderMinutes"));
    m_reminderMinutes->setRange(1, kMaxReminderMinutes);
    m_reminderMinutes->setAccessibleName(tr("Durée avant le rappel, en minutes"));
    auto *reminderUnit = new QLabel(tr("minutes"), this);
    reminderUnit->setObjectName(QStringLiteral("lblReminderMinutes"));
    reminderUnit->setBuddy(m_reminderMinutes);
    m_noReminders->setObjectName(QStringLiteral("lblNoReminders"));
    m_noReminders->setWordWrap(true);

    giveMnemonics({ ok, cancel, m_offer, m_remind });

    auto *setting = new QHBoxLayout;
    setting->addWidget(m_offer);
    setting->addWidget(m_minutes);
    setting->addWidget(unit);
    setting->addStretch(1);
    auto *reminder = new QHBoxLayout;
    reminder->addWidget(m_remind);
    reminder->addWidget(m_reminderMinutes);
    reminder->addWidget(reminderUnit);
    reminder->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_noIdleTime);
    layout->addLayout(setting);
    layout->addWidget(m_noReminders);
    layout->addLayout(reminder);
    layout->addLayout(buttons);

    connect(m_offer, &QCheckBox::toggled, m_minutes, &QWidget::setEnabled);
    connect(m_remind, &QCheckBox::toggled, m_reminderMinutes, &QWidget::setEnabled);
    connect(ok, &QPushButton::clicked, this, &AbsenceSettingsDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void AbsenceSettingsDialog::run()
{
    const Absences &absences = m_tracker.absences();
    const int minutes = absences.minutes();
    m_offer->setChecked(minutes > 0);
    m_minutes->setValue(minutes > 0 ? minutes : kDefaultAbsenceMinutes);
    m_minutes->setEnabled(minutes > 0);
    // Without the desktop's idle time there is nothing to set: the window only says why.
    m_noIdleTime->setVisible(!absences.canWatch());
    m_offer->setEnabled(absences.canWatch());
    if (!absences.canWatch())
        m_minutes->setEnabled(false);
    const int reminder = m_tracker.reminderMinutes();
    const bool possible = m_tracker.areRemindersPossible();
    m_remind->setChecked(reminder > 0);
    m_reminderMinutes->setValue(reminder > 0 ? reminder : kProposedReminderMinutes);
    m_remind->setEnabled(possible);
    m_reminderMinutes->setEnabled(possible && reminder > 0);
    m_noReminders->setVisible(!possible);
    exec();
}

void AbsenceSettingsDialog::save()
{
    if (m_tracker.absences().canWatch())
        m_tracker.absences().setMinutes(m_offer->isChecked() ? m_minutes->value() : 0);
    if (m_tracker.areRemindersPossible())
        m_tracker.setReminderMinutes(m_remind->isChecked() ? m_reminderMinutes->value() : 0);
    accept();
}

} // namespace qm
