#include "tracker/ui/record_dialog.h"

#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm {

RecordDialog::RecordDialog(QWidget *parent)
    : QDialog(parent)
    , m_minutes(new QSpinBox(this))
    , m_activity(new QComboBox(this))
    , m_comment(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmJournalRecord"));
    setWindowTitle(tr("Quillmere - Correction"));
    setWindowIcon(programIcon());
    setModal(true);
    m_minutes->setObjectName(QStringLiteral("txtMinutes"));
    m_minutes->setRange(1, RecordFields::kMaxMinutes);
    m_activity->setObjectName(QStringLiteral("cboActivity"));
    m_comment->setObjectName(QStringLiteral("txtComment"));
    m_comment->setMinimumWidth(m_comment->fontMetrics().averageCharWidth() * 40);
    auto *save = new QPushButton(tr("Enregistrer"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setDefault(true);
    auto *cancel = new QPushButton(tr("Abandonner"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    giveMnemonics({ save, cancel });

    auto *form = new QFormLayout;
    form->addRow(tr("Durée (min) :"), m_minutes);
    form->addRow(tr("Activité :"), m_activity);
    form->addRow(tr("Commentaire :"), m_comment);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &RecordDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool RecordDialog::run(const RecordFields &fields, const Acceptor &accept)
{
    m_fields = fields;
    m_accept = accept;
    m_minutes->setValue(fields.minutes);
    m_activity->clear();
    m_activity->addItems(fields.activities);
    m_activity->setCurrentIndex(fields.activityIndex);
    m_comment->setText(fields.comment);
    m_minutes->selectAll();
    m_minutes->setFocus();
    return exec() == QDialog::Accepted;
}

void RecordDialog::save()
{
    RecordFields fields = m_fields;
    fields.minutes = m_minutes->value();
    fields.activityIndex = m_activity->currentIndex();
    fields.comment = m_comment->text();
    if (m_accept(fields))
        accept();
}

} // namespace qm
