#include "stats/ui/frm_main.h"

#include "journal/datetime.h"
#include "stats/core/date_box.h"
#include "stats/core/overall_figures.h"
#include "stats/core/qmstat.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/frm_by_activity.h"
#include "stats/ui/frm_by_date.h"
#include "stats/ui/user_notice.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace qm::stats {

namespace {

struct FigureRow
{
    const char *caption;
    const char16_t *name;
    int captionTop;
    int valueTop;
};

constexpr FigureRow kFigureRows[] = {
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Nombre d'évènements enregistrés :"), u"lblNE", 540,
        510 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Date inférieure :"), u"lblDmin", 885, 870 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Date supérieure :"), u"lblDmax", 1245, 1230 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Nombre d'activités uniques :"), u"lblNA", 1590,
        1575 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Nombre de journées concernées :"), u"lblNJ", 1950,
        1920 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Nombre moyen d'activités par journée :"), u"lblAJ",
        2295, 2280 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Durée totale enregistrée :"), u"lblDU", 2655, 2625 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Durée moyenne par journée :"), u"lblDJ", 3000,
        2970 },
    { QT_TRANSLATE_NOOP("qm::stats::frmMain", "Durée moyenne par évènement :"), u"lblDE", 3345,
        3330 },
};

// Frame captions are bold 12 points; what the frame holds keeps the usual font.
QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    auto *box = placed<QGroupBox>(parent, name, caption, at);
    box->setFont(boldFont(12));
    return box;
}

void keepUsualFont(QGroupBox *box)
{
    const QFont usual = formFont();
    for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setFont(usual);
}

QLabel *buddyLabel(QWidget *parent, const QString &caption, const QRect &at, QWidget *buddy)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(at);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmMain::frmMain(const QMstat &stats, const Clock &clock, UserNotice &notice)
    : m_stats(stats)
    , m_clock(clock)
    , m_notice(notice)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quillmere 3 - Statistiques"));
    setFixedSize(px(5190), px(7875));
    setFont(formFont());
    createFigures();
    createPeriod();
    createActivityChoice();
    auto *close
        = button(this, QStringLiteral("cmdClose"), tr("Fermer"), twipsRect(1665, 7275, 1575, 465));
    connect(close, &QPushButton::clicked, this, &frmMain::cmdClose_Click);
    setMnemonics({ close, findChild<QPushButton *>(QStringLiteral("cmdGoByDate")),
        findChild<QPushButton *>(QStringLiteral("cmdGoByActivity")) });
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

frmMain::~frmMain() = default;

void frmMain::createFigures()
{
    QGroupBox *box = frame(
        this, QStringLiteral("Frame1"), tr("Statistiques globales"), twipsRect(75, 60, 5055, 3855));
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const FigureRow &row = kFigureRows[i];
        // The longest caption needs the whole width left of the figures, inside the frame's
        // border: the figures stand 150 twips further right than drawn, where the frame has room.
        captionLabel(box, tr(row.caption), twipsRect(60, row.captionTop, 3405, 270));
        m_values[i] = valueLabel(
            box, QString::fromUtf16(row.name), twipsRect(3525, row.valueTop, 1290, 240));
    }
    keepUsualFont(box);
    m_unreadableDurations = new QLabel(this);
    m_unreadableDurations->setObjectName(QStringLiteral("lblUnreadableDurations"));
    m_unreadableDurations->setWordWrap(true);
    m_unreadableDurations->setContentsMargins(px(60), px(30), px(60), 0);
    m_unreadableDurations->hide();
}

void frmMain::createPeriod()
{
    QGroupBox *box = frame(this, QStringLiteral("Frame2"), tr("Statistiques par dates"),
        twipsRect(60, 3945, 5070, 1560));
    m_txtFromDate = new QLineEdit(box);
    m_txtFromDate->setObjectName(QStringLiteral("txtFromDate"));
    m_txtFromDate->setGeometry(twipsRect(975, 435, 1275, 330));
    m_txtToDate = new QLineEdit(box);
    m_txtToDate->setObjectName(QStringLiteral("txtToDate"));
    m_txtToDate->setGeometry(twipsRect(3030, 435, 1275, 330));
    buddyLabel(box, tr("Du :", "the first day of the period"), twipsRect(555, 480, 480, 270),
        m_txtFromDate)
        ->setObjectName(QStringLiteral("Label10"));
    buddyLabel(
        box, tr("Au :", "the last day of the period"), twipsRect(2625, 465, 480, 270), m_txtToDate)
        ->setObjectName(QStringLiteral("Label11"));
    auto *go = button(
        box, QStringLiteral("cmdGoByDate"), tr("Afficher"), twipsRect(1575, 915, 1575, 465));
    keepUsualFont(box);
    connect(m_txtFromDate, &QLineEdit::editingFinished, this, &frmMain::txtFromDate_Validate);
    connect(m_txtToDate, &QLineEdit::editingFinished, this, &frmMain::txtToDate_Validate);
    connect(go, &QPushButton::clicked, this, &frmMain::cmdGoByDate_Click);
}

void frmMain::createActivityChoice()
{
    QGroupBox *box = frame(this, QStringLiteral("Frame3"), tr("Statistiques par activité"),
        twipsRect(60, 5550, 5070, 1560));
    m_cmbActivities = new QComboBox(box);
    m_cmbActivities->setObjectName(QStringLiteral("cmbActivities"));
    m_cmbActivities->setEditable(true);
    m_cmbActivities->setInsertPolicy(QComboBox::NoInsert);
    m_cmbActivities->setCompleter(nullptr);
    m_cmbActivities->setAccessibleName(box->title());
    m_cmbActivities->move(px(240), px(435));
    m_cmbActivities->resize(px(4590), m_cmbActivities->sizeHint().height());
    auto *go = button(
        box, QStringLiteral("cmdGoByActivity"), tr("Afficher"), twipsRect(1590, 900, 1575, 465));
    keepUsualFont(box);
    // Enter in the edit field would look the typed text up in the list and choose it.
    m_cmbActivities->installEventFilter(this);
    m_cmbActivities->lineEdit()->installEventFilter(this);
    connect(
        m_cmbActivities, &QComboBox::activated, this, [this](int item) { m_chosenItem = item; });
    connect(
        m_cmbActivities->lineEdit(), &QLineEdit::textEdited, this, [this] { m_chosenItem = -1; });
    connect(go, &QPushButton::clicked, this, &frmMain::cmdGoByActivity_Click);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == m_cmbActivities || watched == m_cmbActivities->lineEdit())) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::present()
{
    showInFront(this, m_txtFromDate);
}

void frmMain::FillActivityList()
{
    m_cmbActivities->clear();
    const auto &activities = m_stats.activities();
    for (std::int32_t index : activityListOrder(m_stats))
        m_cmbActivities->addItem(activities[std::size_t(index)].name, index);
    m_cmbActivities->setCurrentIndex(-1);
    m_chosenItem = -1;
}

void frmMain::ShowOverallFigures()
{
    if (m_stats.journalRead() == FileRead::Unreadable) {
        // Zeros would read as an empty journal: the figures stay blank, and the user is told.
        for (QLabel *value : m_values)
            value->clear();
        m_notice.warn(this,
            tr("Le fichier %1 n'a pas pu être lu en entier.\nLes statistiques ne "
               "sont pas affichées, car elles seraient incomplètes.")
                .arg(QDir::toNativeSeparators(m_stats.journalPath())));
        return;
    }
    const OverallFigures f = overallFigures(m_stats);
    const QString *texts[] = { &f.entryCount, &f.earliestDate, &f.latestDate, &f.activityCount,
        &f.dayCount, &f.entriesPerDay, &f.totalDuration, &f.durationPerDay, &f.durationPerEntry };
    for (std::size_t i = 0; i < m_values.size(); ++i)
        m_values[i]->setText(*texts[i]);
    showUnreadableDurations(f.unreadableDurations);
}

// The line goes right under the figures; what lies below moves down to make room, and the window
// grows by as much, so that a journal without such lines keeps the window as it always was.
void frmMain::showUnreadableDurations(const QString &text)
{
    if (text.isEmpty() || m_unreadableDurations->isVisible())
        return;
    const QRect figures = findChild<QWidget *>(QStringLiteral("Frame1"))->geometry();
    m_unreadableDurations->setText(text);
    const int height = m_unreadableDurations->heightForWidth(figures.width());
    m_unreadableDurations->setGeometry(
        figures.left(), figures.bottom() + 1, figures.width(), height);
    for (const char *below : { "Frame2", "Frame3", "cmdClose" }) {
        auto *widget = findChild<QWidget *>(QString::fromLatin1(below));
        widget->move(widget->x(), widget->y() + height);
    }
    setFixedSize(width(), this->height() + height);
    m_unreadableDurations->show();
}

void frmMain::txtFromDate_Validate()
{
    m_txtFromDate->setText(validateDateBox(m_txtFromDate->text(), m_stats.earliestDate()));
}

void frmMain::txtToDate_Validate()
{
    m_txtToDate->setText(validateDateBox(m_txtToDate->text(), m_stats.latestDate()));
}

void frmMain::cmdGoByDate_Click()
{
    txtFromDate_Validate();
    txtToDate_Validate();
    if (m_txtFromDate->text().isEmpty() || m_txtToDate->text().isEmpty())
        return;
    const auto from = parseUserDate(m_txtFromDate->text());
    const auto to = parseUserDate(m_txtToDate->text());
    if (!from || !to)
        return;
    if (!m_byDate)
        m_byDate = std::make_unique<frmByDate>(m_stats, m_clock, m_notice);
    m_byDate->ShowReportByDate(*from, *to);
}

void frmMain::cmdGoByActivity_Click()
{
    if (m_chosenItem < 0 || m_chosenItem >= m_cmbActivities->count())
        return;
    if (!m_byActivity)
        m_byActivity = std::make_unique<frmByActivity>(m_stats, m_clock, m_notice);
    m_byActivity->ShowReportByActivity(m_cmbActivities->itemData(m_chosenItem).toInt());
}

void frmMain::cmdClose_Click()
{
    m_byActivity.reset();
    m_byDate.reset();
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_byActivity)
        m_byActivity->hide();
    if (m_byDate)
        m_byDate->hide();
    event->accept();
    emit closed();
}

} // namespace qm::stats
