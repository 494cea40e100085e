#include "tracker/ui/main_window.h"

#include "journal/text_formats.h"
#include "tracker/core/tracker.h"
#include "tracker/ui/correction_dialog.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace qm {

namespace {

// Some notification areas offer the icon's menu while a modal window waits for an answer;
// acting then would ask a second question inside the first one, and could close the day twice.
template<typename Act> auto unlessModal(Act act)
{
    return [act] {
        if (!QApplication::activeModalWidget())
            act();
    };
}

} // namespace

MainWindow::~MainWindow() = default;

MainWindow::MainWindow(Tracker &tracker, bool trayAvailable, QWidget *parent)
    : QMainWindow(parent)
    , m_tracker(tracker)
    , m_trayAvailable(trayAvailable)
    , m_trayMenu(new QMenu(tr("Menu Déroulant"), this))
    , m_grid(new QTableView(this))
    , m_dayDuration(new QLabel(this))
    , m_dayDurationWP(new QLabel(this))
    , m_today(new QLabel(QStringLiteral("xx/xx/xxxx"), this))
    , m_correction(std::make_unique<CorrectionDialog>(tracker))
{
    setObjectName(QStringLiteral("frmQuillmereMain"));
    setWindowTitle(tracker.mainWindowTitle());
    setWindowIcon(programIcon());

    m_trayMenu->setObjectName(QStringLiteral("mnuInTray"));
    QAction *change = m_trayMenu->addAction(tr("Changer d'activité…"));
    change->setObjectName(QStringLiteral("mnuChange"));
    QAction *show = m_trayMenu->addAction(tr("Montrer Quillmere"));
    show->setObjectName(QStringLiteral("mnuQuillmere"));
    QFont bold = show->font();
    bold.setBold(true);
    show->setFont(bold);
    m_trayMenu->setDefaultAction(show);
    QAction *quit = m_trayMenu->addAction(tr("Terminer la journée"));
    quit->setObjectName(QStringLiteral("mnuQuit"));
    QAction *hardQuit = m_trayMenu->addAction(tr("Quitter sans sauvegarder"));
    hardQuit->setObjectName(QStringLiteral("mnuHardQuit"));
    QAction *absences = m_trayMenu->addAction(tr("Absences…"));
    absences->setObjectName(QStringLiteral("mnuAbsences"));
    connect(absences, &QAction::triggered, this,
        unlessModal([this] { m_tracker.openAbsenceSettings(); }));
    QAction *journalEntry = m_trayMenu->addAction(tr("Journal…"));
    journalEntry->setObjectName(QStringLiteral("mnuJournal"));
    connect(
        journalEntry, &QAction::triggered, this, unlessModal([this] { m_tracker.openJournal(); }));
    // Without a notification area, its menu is the window's own context menu.
    if (!m_trayAvailable) {
        setContextMenuPolicy(Qt::CustomContextMenu);
        connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_trayMenu->popup(mapToGlobal(at)); });
    }
    menuBar()->addMenu(m_trayMenu)->setVisible(false);
    menuBar()->hide();
    // The change dialog over the window that Changer belongs to, with the change time that
    // showing the window proposes.
    connect(change, &QAction::triggered, this, &MainWindow::changeActivity);
    connect(show, &QAction::triggered, this, unlessModal([this] { m_tracker.showMainWindow(); }));
    connect(quit, &QAction::triggered, this, unlessModal([this] { m_tracker.closeDay(); }));
    connect(hardQuit, &QAction::triggered, this,
        unlessModal([this] { m_tracker.quitWithoutSaving(); }));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(programPicture(16));
    picture->hide();

    auto *controls = new QGroupBox(tr(" Contrôle "), this);
    auto *controlLayout = new QGridLayout(controls);
    m_change = command("cmdChange", tr("Changer"), tr("Changer d'activité"));
    m_correct = command("cmdCorrect", tr("Corriger"),
        tr("Corriger l'activité choisie dans l'historique (ou double-cliquez dessus)"));
    QPushButton *buttons[] = {
        m_change,
        command("cmdHelp", tr("Aide"), tr("Afficher le fichier d'aide")),
        command("cmdContinuer", tr("Cacher"), tr("Continuer l'activité courante/Cacher Quillmere")),
        command("cmdEdit", tr("Editer"), tr("Editer votre liste d'activités")),
        command("cmdHardQuit", tr("Quitter"), tr("Quitter sans sauvegarder le log")),
        command("cmdDelete", tr("Effacer"), tr("Effacer la dernière activité enregistrée")),
        m_correct,
        command("cmdStats", tr("Stats"), tr("Afficher des statistiques")),
        command("cmdQuit", tr("Terminer"), tr("Terminer la journée (Enregistrer le log)")),
        command("cmdInternet", QStringLiteral("Web"), tracker.webToolTip()),
    };
    for (int i = 0; i < int(std::size(buttons)); ++i)
        controlLayout->addWidget(buttons[i], i / 5, i % 5);
    // The closed days' corrections, at the end of the first row: the others keep their places.
    QPushButton *journal = command(
        "cmdJournal", tr("Journal"), tr("Corriger les journées déjà enregistrées dans le journal"));
    controlLayout->addWidget(journal, 0, 5);
    giveMnemonics({ buttons[0], buttons[1], buttons[2], buttons[3], buttons[4], journal, buttons[5],
        buttons[6], buttons[7], buttons[8], buttons[9] });
    connect(buttons[0], &QPushButton::clicked, this, [this] { m_tracker.openChangeDialog(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { m_tracker.openHelp(); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { m_tracker.hideMainWindow(); });
    connect(buttons[3], &QPushButton::clicked, this, [this] {
        m_tracker.hideMainWindow();
        m_tracker.openEditor();
    });
    connect(buttons[4], &QPushButton::clicked, this, [this] { m_tracker.quitWithoutSaving(); });
    connect(buttons[5], &QPushButton::clicked, this, [this] { m_tracker.deleteLastActivity(); });
    connect(m_correct, &QPushButton::clicked, this,
        [this] { correctRow(m_grid->currentIndex().row() + 1); });
    connect(buttons[7], &QPushButton::clicked, this, [this] { m_tracker.startStats(); });
    connect(buttons[8], &QPushButton::clicked, this, [this] { m_tracker.closeDay(); });
    connect(buttons[9], &QPushButton::clicked, this, [this] { m_tracker.openWeb(); });
    connect(journal, &QPushButton::clicked, this, [this] { m_tracker.openJournal(); });

    auto *day = new QGroupBox(tr(" Journée "), this);
    auto *dayLayout = new QGridLayout(day);
    auto *durationLabel = new QLabel(tr("Durée actuelle :"), this);
    durationLabel->setObjectName(QStringLiteral("Label4"));
    auto *withoutPauseLabel = new QLabel(tr("Durée hors pauses :"), this);
    withoutPauseLabel->setObjectName(QStringLiteral("Label2"));
    m_dayDuration->setObjectName(QStringLiteral("lblDayDuration"));
    m_dayDurationWP->setObjectName(QStringLiteral("lblDayDurationWP"));
    m_today->setObjectName(QStringLiteral("lblToday"));
    QFont dateFont = m_today->font();
    dateFont.setBold(true);
    dateFont.setPointSizeF(dateFont.pointSizeF() * 1.4);
    m_today->setFont(dateFont);
    dayLayout->addWidget(m_today, 0, 0, 1, 2, Qt::AlignCenter);
    dayLayout->addWidget(durationLabel, 1, 0);
    dayLayout->addWidget(m_dayDuration, 1, 1);
    dayLayout->addWidget(withoutPauseLabel, 2, 0);
    dayLayout->addWidget(m_dayDurationWP, 2, 1);
    dayLayout->setColumnStretch(1, 1);
    // Room for the longest totals from the start: the window's smallest size then holds them
    // all day, rather than cutting them off until its layout catches up with a longer text.
    const int totalsWidth = m_dayDuration->fontMetrics().horizontalAdvance(dayTotalText(99999));
    m_dayDuration->setMinimumWidth(totalsWidth);
    m_dayDurationWP->setMinimumWidth(totalsWidth);

    auto *history = new QGroupBox(tr(" Historique de la journée"), this);
    auto *historyLayout = new QVBoxLayout(history);
    m_grid->setObjectName(QStringLiteral("grdHistorique"));
    m_grid->setAccessibleName(tr("Historique de la journée"));
    m_grid->setModel(&tracker.history());
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    // Room for the header and all the rows in sight, so that the newest row is never cut off.
    m_grid->ensurePolished();
    const QHeaderView *header = m_grid->horizontalHeader();
    m_grid->setMinimumHeight(
        std::max(header->minimumSizeHint().height(), header->sizeHint().height())
        + kVisibleRows * m_grid->verticalHeader()->defaultSectionSize()
        + m_grid->horizontalScrollBar()->sizeHint().height() + 2 * m_grid->frameWidth());
    // A finished row of the day is corrected from here: chosen, then Corriger or Enter, or
    // double-clicked.
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->installEventFilter(this);
    connect(m_grid, &QAbstractItemView::doubleClicked, this,
        [this](const QModelIndex &index) { correctRow(index.row() + 1); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        &MainWindow::updateCorrectButton);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    historyLayout->addWidget(m_grid);
    m_grid->viewport()->installEventFilter(this);
    fitColumns();
    connect(&tracker.history(), &QAbstractItemModel::modelReset, this, &MainWindow::fitColumns);
    connect(
        &tracker.history(), &HistoryModel::firstVisibleRowChanged, this, &MainWindow::scrollToRow);

    auto *top = new QHBoxLayout;
    top->addWidget(controls, 3);
    top->addWidget(day, 2);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(history, 1);
    setCentralWidget(central);
    resize(900, 600);
}

QPushButton *MainWindow::command(const char *name, const QString &caption, const QString &toolTip)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    return button;
}

void MainWindow::scrollToRow(int gridRow)
{
    const HistoryModel &history = m_tracker.history();
    const QModelIndex index = history.index(gridRow - 1, 0);
    if (index.isValid())
        m_grid->scrollTo(index, QAbstractItemView::PositionAtTop);
    // Should the window be too small for all the rows in sight, the newest one wins.
    const QModelIndex newest = history.index(history.rowCount() - 1, 0);
    if (newest.isValid())
        m_grid->scrollTo(newest, QAbstractItemView::EnsureVisible);
}

void MainWindow::correctRow(int gridRow)
{
    if (!m_tracker.hasEnded())
        m_correction->run(gridRow);
}

void MainWindow::changeActivity()
{
    if (!QApplication::activeModalWidget() && m_tracker.showMainWindow())
        m_tracker.openChangeDialog();
}

void MainWindow::fitColumns()
{
    const int charWidth = m_grid->fontMetrics().averageCharWidth();
    int others = 0;
    for (int column = 0; column < HistoryModel::ColumnCount; ++column) {
        int width = m_tracker.history().columnChars(column) * charWidth;
        if (column == HistoryModel::CommentColumn)
            width = std::max(width, m_grid->viewport()->width() - others);
        m_grid->setColumnWidth(column, width);
        others += width;
    }
}

void MainWindow::updateCorrectButton()
{
    m_correct->setEnabled(m_tracker.corrections().isCorrectable(m_grid->currentIndex().row() + 1));
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            correctRow(m_grid->currentIndex().row() + 1);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::updateFromState()
{
    const DayState &day = m_tracker.state();
    m_today->setText(day.dayDate());
    m_dayDuration->setText(dayTotalText(day.dayTotalMinutes()));
    m_dayDurationWP->setText(dayTotalText(day.dayTotalWithoutPauseMinutes()));
    m_change->setEnabled(m_tracker.isChangeEnabled());
    updateCorrectButton();
    scrollToRow(m_tracker.history().firstVisibleRow());
}

void MainWindow::showOnScreen()
{
    if (isMinimized()) {
        m_restoring = true;
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void MainWindow::hideToTray()
{
    if (m_trayAvailable)
        hide();
    else
        showMinimized();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The ways out are Terminer and Quitter; the close box only puts the window away.
    event->ignore();
    m_tracker.hideMainWindow();
}

} // namespace qm

namespace qm {

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (m_trayAvailable || event->type() != QEvent::WindowStateChange)
        return;
    // Without a notification area the task bar brings the window back: it must then propose
    // the change time as the icon would.
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    if (!(change->oldState() & Qt::WindowMinimized) || isMinimized())
        return;
    if (m_restoring) {
        m_restoring = false;
        return;
    }
    // While the editor or a dialog is open the main window stays away, as the icon would leave
    // it: a second Editer would otherwise replace the lists that Abandonner goes back to.
    QTimer::singleShot(0, this, [this] {
        if (!m_tracker.showMainWindow() && !m_tracker.hasEnded())
            showMinimized();
    });
}

} // namespace qm
