#include "tracker/ui/journal_window.h"

#include "journal/number_reading.h"
#include "journal/text_formats.h"
#include "tracker/core/journal_editor.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"
#include "tracker/ui/record_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qm {

JournalWindow::~JournalWindow() = default;

JournalWindow::JournalWindow(JournalEditor &editor, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_record(std::make_unique<RecordDialog>())
    , m_days(new QTreeWidget(this))
    , m_records(new QTableWidget(0, 3, this))
    , m_modify(new QPushButton(tr("Modifier"), this))
    , m_remove(new QPushButton(tr("Supprimer"), this))
    , m_add(new QPushButton(tr("Ajouter"), this))
    , m_save(new QPushButton(tr("Enregistrer"), this))
    , m_undo(new QPushButton(tr("Annuler la dernière correction"), this))
{
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(tr("Quillmere - Journal"));
    setWindowIcon(programIcon());
    setModal(true);

    m_days->setObjectName(QStringLiteral("lstDays"));
    m_days->setRootIsDecorated(false);
    m_days->setHeaderLabels({ tr("Date"), tr("Total") });
    m_days->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_days->header()->setStretchLastSection(false);
    auto *daysLabel = new QLabel(tr("&Jours"), this);
    daysLabel->setBuddy(m_days);

    m_records->setObjectName(QStringLiteral("grdRecords"));
    m_records->setHorizontalHeaderLabels({ tr("Durée"), tr("Activité"), tr("Commentaire") });
    m_records->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_records->setSelectionMode(QAbstractItemView::SingleSelection);
    m_records->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_records->verticalHeader()->hide();
    m_records->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_records->horizontalHeader()->setStretchLastSection(true);

    m_modify->setObjectName(QStringLiteral("cmdModify"));
    m_remove->setObjectName(QStringLiteral("cmdRemove"));
    m_add->setObjectName(QStringLiteral("cmdAdd"));
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setToolTip(tr("Écrire les corrections de ce jour dans le journal ; l'ancien journal "
                          "est gardé dans le dossier Sauvegardes"));
    m_undo->setObjectName(QStringLiteral("cmdUndo"));
    m_undo->setToolTip(tr("Remettre le journal tel qu'il était avant la dernière correction"));
    auto *close = new QPushButton(tr("Fermer"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    giveMnemonics({ m_modify, m_remove, m_add, m_save, m_undo, close });
    for (QPushButton *button : { m_modify, m_remove, m_add, m_save, m_undo, close })
        button->setAutoDefault(false);

    auto *days = new QVBoxLayout;
    days->addWidget(daysLabel);
    days->addWidget(m_days);
    auto *lists = new QHBoxLayout;
    lists->addLayout(days, 1);
    lists->addWidget(m_records, 3);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : { m_modify, m_remove, m_add })
        buttons->addWidget(button);
    buttons->addStretch(1);
    for (QPushButton *button : { m_save, m_undo, close })
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(720, 420);

    connect(m_days, &QTreeWidget::currentItemChanged, this, &JournalWindow::chooseDay);
    connect(m_records->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &JournalWindow::updateButtons);
    connect(m_records, &QTableWidget::cellDoubleClicked, this, &JournalWindow::modifyRecord);
    connect(m_modify, &QPushButton::clicked, this, &JournalWindow::modifyRecord);
    connect(m_remove, &QPushButton::clicked, this, &JournalWindow::removeRecord);
    connect(m_add, &QPushButton::clicked, this, &JournalWindow::addRecord);
    connect(m_save, &QPushButton::clicked, this, &JournalWindow::save);
    connect(m_undo, &QPushButton::clicked, this, &JournalWindow::undo);
    connect(close, &QPushButton::clicked, this, &JournalWindow::reject);
}

void JournalWindow::run()
{
    showDays();
    m_days->setFocus();
    exec();
}

void JournalWindow::reject()
{
    if (m_editor.mayDropEdits())
        QDialog::reject();
}

void JournalWindow::showDays()
{
    const QSignalBlocker blocker(m_days);
    m_days->clear();
    QTreeWidgetItem *chosen = nullptr;
    for (const JournalDay &day : m_editor.days()) {
        auto *item = new QTreeWidgetItem(m_days, { day.date, durationText(day.minutes) });
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        if (day.date == m_editor.chosenDate())
            chosen = item;
    }
    if (!chosen && m_days->topLevelItemCount() > 0) {
        chosen = m_days->topLevelItem(0);
        m_editor.choose(chosen->text(0));
    }
    m_days->setCurrentItem(chosen);
    showRecords();
}

void JournalWindow::chooseDay()
{
    QTreeWidgetItem *item = m_days->currentItem();
    if (!item || item->text(0) == m_editor.chosenDate())
        return;
    if (!m_editor.mayDropEdits()) {
        // The edits stay, and so does the day they belong to.
        showDays();
        return;
    }
    m_editor.choose(item->text(0));
    showRecords();
}

void JournalWindow::showRecords()
{
    const QList<JournalRecord> &records = m_editor.records();
    m_records->clearContents();
    m_records->setRowCount(int(records.size()));
    for (int row = 0; row < records.size(); ++row) {
        const JournalRecord &record = records.at(row);
        auto *minutes
            = new QTableWidgetItem(QString::number(readRoundedNumber(record.minutesText)));
        minutes->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_records->setItem(row, 0, minutes);
        m_records->setItem(row, 1, new QTableWidgetItem(record.activity));
        m_records->setItem(row, 2, new QTableWidgetItem(record.comment));
    }
    updateButtons();
}

int JournalWindow::chosenRow() const
{
    const QModelIndexList rows = m_records->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void JournalWindow::updateButtons()
{
    const bool row = chosenRow() >= 0;
    m_modify->setEnabled(row);
    m_remove->setEnabled(row);
    m_add->setEnabled(!m_editor.chosenDate().isEmpty());
    m_save->setEnabled(m_editor.isModified());
    m_undo->setEnabled(m_editor.canUndo());
}

void JournalWindow::modifyRecord()
{
    const int row = chosenRow();
    const std::optional<RecordFields> fields = m_editor.fieldsOf(row);
    if (!fields)
        return;
    if (m_record->run(
            *fields, [&](const RecordFields &saved) { return m_editor.modify(row, saved); })) {
        showRecords();
        m_records->selectRow(row);
    }
}

void JournalWindow::addRecord()
{
    if (m_editor.chosenDate().isEmpty())
        return;
    if (m_record->run(
            m_editor.newFields(), [&](const RecordFields &saved) { return m_editor.add(saved); })) {
        showRecords();
        m_records->selectRow(m_records->rowCount() - 1);
    }
}

void JournalWindow::removeRecord()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    m_editor.remove(row);
    showRecords();
    m_records->selectRow(std::min(row, m_records->rowCount() - 1));
}

void JournalWindow::save()
{
    m_editor.save();
    showDays();
}

void JournalWindow::undo()
{
    m_editor.undoLastCorrection();
    showDays();
}

} // namespace qm
