#include "tracker/ui/editor_window.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/list_selection.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm {

namespace {

QListWidget *activityList(QWidget *parent, const char *name, const QString &label)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(label);
    return list;
}

} // namespace

EditorWindow::EditorWindow(Tracker &tracker, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_tracker(tracker)
    , m_current(activityList(this, "lstAct", tr("Activités actuellement en cours")))
    , m_retired(activityList(this, "lstObs", tr("Activités définitivement terminées")))
    , m_add(new QPushButton(tr("Ajouter une activité"), this))
{
    setObjectName(QStringLiteral("frmEdit"));
    setWindowTitle(tr("Quillmere - Définition des activités"));
    setWindowIcon(programIcon());
    m_add->setObjectName(QStringLiteral("cmdAdd"));
    auto *save = new QPushButton(tr("Sauvegarder"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    auto *cancel = new QPushButton(tr("Abandonner"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    giveMnemonics({ save, cancel, m_add });

    QToolButton *up = imageButton(
        "imgUp", tr("Déplacer l'activité vers le haut de la liste"), QStyle::SP_ArrowUp);
    QToolButton *down = imageButton(
        "imgDown", tr("Déplacer l'activité vers le bas de la liste"), QStyle::SP_ArrowDown);
    QToolButton *goObs = imageButton(
        "imgGoObs", tr("Changer le statut de l'activité à 'terminée'"), QStyle::SP_ArrowRight);
    QToolButton *goAct = imageButton(
        "imgGoAct", tr("Changer le statut de l'activité à 'actuelle'"), QStyle::SP_ArrowLeft);

    auto *currentLabel = new QLabel(tr("Activités actuellement en cours"), this);
    auto *retiredLabel = new QLabel(tr("Activités définitivement terminées"), this);
    auto *moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addSpacing(16);
    moves->addWidget(goObs);
    moves->addWidget(goAct);
    moves->addStretch(1);
    auto *grid = new QGridLayout;
    grid->addWidget(currentLabel, 0, 0);
    grid->addWidget(retiredLabel, 0, 2);
    grid->addWidget(m_current, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(m_retired, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    ActivityEditor &editor = m_tracker.editor();
    connect(m_add, &QPushButton::clicked, this, [this] {
        m_tracker.addActivity();
        refreshEditorLists();
    });
    connect(up, &QToolButton::clicked, this,
        [this, &editor] { afterMove(m_current, editor.moveUp(selectedRow(m_current))); });
    connect(down, &QToolButton::clicked, this,
        [this, &editor] { afterMove(m_current, editor.moveDown(selectedRow(m_current))); });
    connect(goObs, &QToolButton::clicked, this,
        [this, &editor] { afterMove(m_current, editor.retire(selectedRow(m_current))); });
    connect(goAct, &QToolButton::clicked, this,
        [this, &editor] { afterMove(m_retired, editor.bringBack(selectedRow(m_retired))); });
    connect(save, &QPushButton::clicked, this, [this] { m_tracker.saveEditor(); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_tracker.cancelEditor(); });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        // On the first run Abandonner ends the program: a key pressed by mistake must not
        // lose the list being made, only the button does that.
        if (!m_tracker.isFirstRunPending())
            m_tracker.cancelEditor();
    });
}

QToolButton *EditorWindow::imageButton(const char *name, const QString &toolTip, int standardIcon)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(standardIcon)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    return button;
}

void EditorWindow::open()
{
    refreshEditorLists();
    show();
    raise();
    activateWindow();
    m_add->setFocus();
}

void EditorWindow::refreshEditorLists()
{
    m_current->clear();
    m_current->addItems(m_tracker.editor().currentList());
    m_retired->clear();
    m_retired->addItems(m_tracker.editor().retiredList());
}

void EditorWindow::afterMove(QListWidget *list, int selection)
{
    refreshEditorLists();
    if (selection >= 0 && selection < list->count())
        list->setCurrentRow(selection);
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    // The close box drops the changes, as "Abandonner" does.
    event->ignore();
    m_tracker.cancelEditor();
}

} // namespace qm
