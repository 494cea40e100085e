#include "installer/ui/folder_page.h"

#include "installer/core/wizard_flow.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace qm::install {

FolderPage::FolderPage(WizardFlow &flow, const WizardPictures &stock, const QStringList &drives)
    : WizardWindow(flow, stock, QStringLiteral("frmInstall"))
    , m_folders(flow.platform(), flow.state().sourceDir)
    , m_drives(drives)
{
    auto *label5 = new QLabel(tr("Dossier d'installation :"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    m_path = new QLineEdit(flow.state().installPath, this);
    m_path->setObjectName(QStringLiteral("txtInstallPath"));
    label5->setBuddy(m_path);
    m_pathError = new QLabel(this);
    m_pathError->setObjectName(QStringLiteral("lblPathError"));
    m_pathError->setWordWrap(true);
    m_pathError->hide();
    auto *label1 = new QLabel(tr("Changer de dossier d'installation ..."), this);
    label1->setObjectName(QStringLiteral("Label1"));

    auto *picture = new QFrame(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    auto *lists = new QVBoxLayout(picture);
    lists->setContentsMargins(0, 0, 0, 0);
    m_driveList = new QComboBox(picture);
    m_driveList->setObjectName(QStringLiteral("drvList"));
    m_driveList->addItems(m_drives);
    m_driveList->setCurrentIndex(m_drives.indexOf(driveOf(m_folders.currentFolder(), m_drives)));
    label1->setBuddy(m_driveList);
    m_dirList = new QListWidget(picture);
    m_dirList->setObjectName(QStringLiteral("dirList"));
    m_dirList->setAccessibleName(label1->text());
    m_dirList->installEventFilter(this);
    lists->addWidget(m_driveList);
    lists->addWidget(m_dirList);

    content()->addWidget(label5);
    content()->addWidget(m_path);
    content()->addWidget(m_pathError);
    content()->addWidget(label1);
    content()->addWidget(picture, 1);
    showFolders();

    QPushButton *install = addButton(QStringLiteral("cmdInstall"), tr("Suivant >"));
    QPushButton *cancel = addButton(QStringLiteral("cmdCancel"), tr("Abandon"));
    install->setDefault(true);
    setFirstField(m_path);
    connect(install, &QPushButton::clicked, this, [this] {
        if (this->flow().installNext(m_path->text()))
            return;
        m_pathError->setText(this->flow().pathError());
        m_pathError->show();
        m_path->setFocus();
    });
    connect(cancel, &QPushButton::clicked, this, [this] { this->flow().cancel(); });
    connect(m_driveList, &QComboBox::currentIndexChanged, this, &FolderPage::driveChosen);
    // A folder chosen with the arrow keys counts as clicked, as does a click on the entry that
    // is already selected; the list's own changes are made with its signals blocked.
    connect(m_dirList, &QListWidget::currentItemChanged, this, &FolderPage::folderChosen);
    connect(m_dirList, &QListWidget::itemClicked, this, &FolderPage::folderChosen);
    connect(m_dirList, &QListWidget::itemActivated, this, [this] { openChosenFolder(); });
}

bool FolderPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dirList && event->type() == QEvent::FocusOut)
        openChosenFolder();
    // Enter in the list opens the folder, as a double click does, instead of leaving the window.
    if (watched == m_dirList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openChosenFolder();
            return true;
        }
    }
    return WizardWindow::eventFilter(watched, event);
}

void FolderPage::folderChosen(QListWidgetItem *item)
{
    if (!item)
        return;
    m_lastClicked = item->data(Qt::UserRole).toString();
    m_path->setText(flow().folderClicked(m_lastClicked));
}

void FolderPage::openChosenFolder()
{
    if (m_lastClicked.isEmpty())
        return;
    if (m_folders.setCurrentFolder(m_lastClicked))
        showFolders();
    m_lastClicked.clear();
}

void FolderPage::driveChosen(int index)
{
    if (index >= 0 && m_folders.setCurrentFolder(m_drives.at(index))) {
        showFolders();
        return;
    }
    const QSignalBlocker blocker(m_driveList);
    m_driveList->setCurrentIndex(m_drives.indexOf(driveOf(m_folders.currentFolder(), m_drives)));
}

void FolderPage::showFolders()
{
    const QSignalBlocker blocker(m_dirList);
    m_dirList->clear();
    const QStringList &entries = m_folders.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const qsizetype depth = std::min(i, m_folders.currentIndex() + 1);
        const QString name = i == 0 ? entries.at(i) : QDir(entries.at(i)).dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, u' ') + name, m_dirList);
        item->setData(Qt::UserRole, entries.at(i));
    }
    m_dirList->setCurrentRow(int(m_folders.currentIndex()));
}

} // namespace qm::install
