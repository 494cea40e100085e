#include "tracker/ui/correction_dialog.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

CorrectionDialog::CorrectionDialog(Tracker &tracker, QWidget *parent)
    : QDialog(parent)
    , m_tracker(tracker)
    , m_start(new QLineEdit(this))
    , m_activity(new QComboBox(this))
    , m_comment(new QLineEdit(this))
    , m_remove(new QPushButton(tr("Supprimer"), this))
{
    setObjectName(QStringLiteral("frmCorrection"));
    setWindowTitle(tr("Quillmere - Correction"));
    setWindowIcon(programIcon());
    setModal(true);
    m_start->setObjectName(QStringLiteral("txtStart"));
    m_start->setToolTip(tr("hh:mm ou hh:mm:ss"));
    m_activity->setObjectName(QStringLiteral("cboActivity"));
    m_comment->setObjectName(QStringLiteral("txtComment"));
    auto *save = new QPushButton(tr("Enregistrer"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    save->setDefault(true);
    m_remove->setObjectName(QStringLiteral("cmdRemove"));
    m_remove->setAutoDefault(false);
    m_remove->setToolTip(tr("Supprimer cette activité : son temps va à l'activité d'avant"));
    auto *cancel = new QPushButton(tr("Abandonner"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    giveMnemonics({ save, m_remove, cancel });

    auto *form = new QFormLayout;
    form->addRow(tr("Début :"), m_start);
    form->addRow(tr("Activité :"), m_activity);
    form->addRow(tr("Commentaire :"), m_comment);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : { save, m_remove, cancel })
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &CorrectionDialog::save);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        m_tracker.removeRow(m_gridRow);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool CorrectionDialog::run(int gridRow)
{
    const std::optional<CorrectionFields> fields = m_tracker.corrections().fieldsOf(gridRow);
    if (!fields)
        return false;
    m_gridRow = gridRow;
    m_fields = *fields;
    m_start->setText(m_fields.start);
    m_activity->clear();
    m_activity->addItems(m_fields.activities);
    m_activity->setCurrentIndex(m_fields.activityIndex);
    m_comment->setText(m_fields.comment);
    m_remove->setEnabled(m_fields.removable);
    m_start->selectAll();
    m_start->setFocus();
    exec();
    return true;
}

void CorrectionDialog::save()
{
    CorrectionFields fields = m_fields;
    fields.start = m_start->text();
    fields.activityIndex = m_activity->currentIndex();
    fields.comment = m_comment->text();
    // Out of range, the user was told, and the start is there to be put right.
    if (m_tracker.saveCorrection(m_gridRow, fields))
        accept();
    else
        m_start->setFocus();
}

} // namespace qm
