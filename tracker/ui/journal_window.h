#pragma once

#include <QDialog>

#include <memory>

class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace qm {

class JournalEditor;
class RecordDialog;

// "Quillmere - Journal": the closed days of the journal, and the records of the one chosen,
// corrected in memory until Enregistrer.
class JournalWindow : public QDialog
{
    Q_OBJECT

public:
    explicit JournalWindow(JournalEditor &editor, QWidget *parent = nullptr);
    ~JournalWindow() override;

    // Shows the journal the editor has read, modally.
    void run();
    // Closing asks first when the chosen day has edits that are not saved.
    void reject() override;

private:
    void showDays();
    void showRecords();
    void updateButtons();
    void chooseDay();
    void modifyRecord();
    void addRecord();
    void removeRecord();
    void save();
    void undo();
    int chosenRow() const;

    JournalEditor &m_editor;
    std::unique_ptr<RecordDialog> m_record;
    QTreeWidget *m_days;
    QTableWidget *m_records;
    QPushButton *m_modify;
    QPushButton *m_remove;
    QPushButton *m_add;
    QPushButton *m_save;
    QPushButton *m_undo;
};

} // namespace qm
