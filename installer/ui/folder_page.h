#pragma once

#include "installer/core/folder_list.h"
#include "installer/ui/wizard_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace qm::install {

class FolderPage : public WizardWindow
{
    Q_OBJECT

public:
    FolderPage(WizardFlow &flow, const WizardPictures &stock, const QStringList &drives);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void driveChosen(int index);
    void showFolders();
    void folderChosen(QListWidgetItem *item);
    void openChosenFolder();

    FolderList m_folders;
    QStringList m_drives;
    QString m_lastClicked;
    QLineEdit *m_path = nullptr;
    QLabel *m_pathError = nullptr;
    QComboBox *m_driveList = nullptr;
    QListWidget *m_dirList = nullptr;
};

// The mount points of the machine, as the drive list offers them.

} // namespace qm::install
