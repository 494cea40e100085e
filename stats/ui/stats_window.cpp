#include "stats/ui/stats_window.h"

#include "journal/datetime.h"
#include "stats/core/date_box.h"
#include "stats/core/overall_figures.h"
#include "stats/core/statistics.h"
#include "stats/ui/by_activity_window.h"
#include "stats/ui/by_date_window.h"
#include "stats/ui/form_controls.h"
#include "stats/ui/user_notice.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace qm::stats {

namespace {

constexpr const char *kFigureCaptions[] = {
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Nombre d'évènements enregistrés :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Date inférieure :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Date supérieure :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Nombre d'activités uniques :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Nombre de journées concernées :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Nombre moyen d'activités par journée :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Durée totale enregistrée :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Durée moyenne par journée :"),
    QT_TRANSLATE_NOOP("qm::stats::StatsWindow", "Durée moyenne par évènement :"),
};
constexpr const char16_t *kFigureNames[] = { u"lblNE", u"lblDmin", u"lblDmax", u"lblNA", u"lblNJ",
    u"lblAJ", u"lblDU", u"lblDJ", u"lblDE" };

// Frame captions are bold 12 points; what the frame holds keeps the usual font.
QGroupBox *frame(QWidget *parent, const QString &name, const QString &caption)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setFont(boldFont(12));
    box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return box;
}

// Once the frame holds its controls: they get the usual font, and the frame is as tall as
// drawn, or as they need.
void finishFrame(QGroupBox *box, int heightTwips)
{
    const QFont usual = formFont();
    for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setFont(usual);
    box->setMinimumHeight(std::max(px(heightTwips), box->sizeHint().height()));
}

// A caption before its field, a little apart from it: "Du :" has a blank before its colon,
// "From:" none, and both keep the same gap after it.
QLabel *buddyLabel(QWidget *parent, const QString &caption, QWidget *buddy)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    label->setContentsMargins(0, 0, px(60), 0);
    return label;
}

QLineEdit *dateBox(QWidget *parent, const QString &name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMinimumWidth(px(1275));
    return box;
}

// A button alone on its line, in the middle.
void addCentred(QBoxLayout *layout, QWidget *button)
{
    layout->addWidget(button, 0, Qt::AlignHCenter);
}

} // namespace

StatsWindow::StatsWindow(const Statistics &stats, const Clock &clock, UserNotice &notice)
    : m_stats(stats)
    , m_clock(clock)
    , m_notice(notice)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quillmere - Statistiques"));
    setFont(formFont());
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(px(60), px(60), px(60), px(60));
    m_layout->setSpacing(px(45));
    createFigures();
    createPeriod();
    createActivityChoice();
    auto *close = button(this, QStringLiteral("cmdClose"), tr("Fermer"), 1575, 465);
    m_layout->addSpacing(px(120));
    addCentred(m_layout, close);
    m_layout->addStretch();
    connect(close, &QPushButton::clicked, this, &StatsWindow::closeClicked);
    setMnemonics({ close, findChild<QPushButton *>(QStringLiteral("cmdGoByDate")),
        findChild<QPushButton *>(QStringLiteral("cmdGoByActivity")) });
    // The size the window has always had, or more where its texts need it.
    const QSize needed(minimumSizeHint().width(), sizeHint().height());
    setFixedSize(QSize(px(5190), px(7875)).expandedTo(needed));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

StatsWindow::~StatsWindow()
{
    // Closing takes the focus from a date box: the end of its editing must not reach a window
    // already on its way out.
    m_fromDate->disconnect(this);
    m_toDate->disconnect(this);
}

void StatsWindow::createFigures()
{
    QGroupBox *box = frame(this, QStringLiteral("Frame1"), tr("Statistiques globales"));
    m_layout->addWidget(box);
    auto *grid = new QGridLayout(box);
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(px(60));
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        grid->addWidget(captionLabel(box, tr(kFigureCaptions[i])), int(i), 0);
        m_values[i] = valueLabel(box, QString::fromUtf16(kFigureNames[i]), 1290);
        grid->addWidget(m_values[i], int(i), 1, Qt::AlignVCenter);
    }
    finishFrame(box, 3855);
    m_unreadableDurations = new QLabel(this);
    m_unreadableDurations->setObjectName(QStringLiteral("lblUnreadableDurations"));
    m_unreadableDurations->setWordWrap(true);
    m_unreadableDurations->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_unreadableDurations->setContentsMargins(px(60), 0, px(60), 0);
    m_unreadableDurations->hide();
    m_layout->addWidget(m_unreadableDurations);
}

void StatsWindow::createPeriod()
{
    QGroupBox *box = frame(this, QStringLiteral("Frame2"), tr("Statistiques par dates"));
    m_layout->addWidget(box);
    m_fromDate = dateBox(box, QStringLiteral("txtFromDate"));
    m_toDate = dateBox(box, QStringLiteral("txtToDate"));
    auto *from = buddyLabel(box, tr("Du :", "the first day of the period"), m_fromDate);
    from->setObjectName(QStringLiteral("Label10"));
    auto *to = buddyLabel(box, tr("Au :", "the last day of the period"), m_toDate);
    to->setObjectName(QStringLiteral("Label11"));
    auto *go = button(box, QStringLiteral("cmdGoByDate"), tr("Afficher"), 1575, 465);
    auto *column = new QVBoxLayout(box);
    auto *dates = new QHBoxLayout;
    dates->addStretch();
    for (QWidget *w : std::initializer_list<QWidget *> { from, m_fromDate, to, m_toDate })
        dates->addWidget(w);
    dates->insertSpacing(3, px(300));
    dates->addStretch();
    column->addLayout(dates);
    addCentred(column, go);
    finishFrame(box, 1560);
    connect(m_fromDate, &QLineEdit::editingFinished, this, &StatsWindow::validateFromDate);
    connect(m_toDate, &QLineEdit::editingFinished, this, &StatsWindow::validateToDate);
    connect(go, &QPushButton::clicked, this, &StatsWindow::openReportByDate);
}

void StatsWindow::createActivityChoice()
{
    QGroupBox *box = frame(this, QStringLiteral("Frame3"), tr("Statistiques par activité"));
    m_layout->addWidget(box);
    m_cmbActivities = new QComboBox(box);
    m_cmbActivities->setObjectName(QStringLiteral("cmbActivities"));
    m_cmbActivities->setEditable(true);
    m_cmbActivities->setInsertPolicy(QComboBox::NoInsert);
    m_cmbActivities->setCompleter(nullptr);
    m_cmbActivities->setAccessibleName(box->title());
    // Long names must not widen the window.
    m_cmbActivities->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cmbActivities->setMinimumContentsLength(1);
    auto *go = button(box, QStringLiteral("cmdGoByActivity"), tr("Afficher"), 1575, 465);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(px(240), -1, px(240), -1);
    column->addWidget(m_cmbActivities);
    addCentred(column, go);
    finishFrame(box, 1560);
    // Enter in the edit field would look the typed text up in the list and choose it.
    m_cmbActivities->installEventFilter(this);
    m_cmbActivities->lineEdit()->installEventFilter(this);
    connect(
        m_cmbActivities, &QComboBox::activated, this, [this](int item) { m_chosenItem = item; });
    connect(
        m_cmbActivities->lineEdit(), &QLineEdit::textEdited, this, [this] { m_chosenItem = -1; });
    connect(go, &QPushButton::clicked, this, &StatsWindow::openReportByActivity);
}

bool StatsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress
        && (watched == m_cmbActivities || watched == m_cmbActivities->lineEdit())) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void StatsWindow::present()
{
    showInFront(this, m_fromDate);
}

void StatsWindow::fillActivityList()
{
    m_cmbActivities->clear();
    const auto &activities = m_stats.activities();
    for (std::int32_t index : activityListOrder(m_stats))
        m_cmbActivities->addItem(activities[std::size_t(index)].name, index);
    m_cmbActivities->setCurrentIndex(-1);
    m_chosenItem = -1;
}

void StatsWindow::showOverallFigures()
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
void StatsWindow::showUnreadableDurations(const QString &text)
{
    if (text.isEmpty() || m_unreadableDurations->isVisible())
        return;
    m_unreadableDurations->setText(text);
    const QMargins margins = m_layout->contentsMargins();
    const int width = this->width() - margins.left() - margins.right();
    // The font's own measure of the wrapped text may be a pixel taller than the label's.
    const QMargins inside = m_unreadableDurations->contentsMargins();
    const QRect wrapped = m_unreadableDurations->fontMetrics().boundingRect(
        QRect(0, 0, width - inside.left() - inside.right(), 0),
        Qt::TextWordWrap | m_unreadableDurations->alignment(), text);
    const int height = std::max(m_unreadableDurations->heightForWidth(width),
        wrapped.height() + inside.top() + inside.bottom());
    m_unreadableDurations->setFixedHeight(height);
    m_unreadableDurations->show();
    setFixedSize(this->width(), this->height() + height + m_layout->spacing());
}

void StatsWindow::validateFromDate()
{
    m_fromDate->setText(validateDateBox(m_fromDate->text(), m_stats.earliestDate()));
}

void StatsWindow::validateToDate()
{
    m_toDate->setText(validateDateBox(m_toDate->text(), m_stats.latestDate()));
}

void StatsWindow::openReportByDate()
{
    validateFromDate();
    validateToDate();
    // A box without a date says so, and gets the keyboard back.
    const std::pair<QLineEdit *, QString> problems[] = {
        { m_fromDate, periodBoxProblem(PeriodEnd::First, m_fromDate->text()) },
        { m_toDate, periodBoxProblem(PeriodEnd::Last, m_toDate->text()) },
    };
    for (const auto &[box, problem] : problems) {
        if (problem.isEmpty())
            continue;
        m_notice.warn(this, problem);
        box->setFocus();
        return;
    }
    const auto from = parseUserDate(m_fromDate->text());
    const auto to = parseUserDate(m_toDate->text());
    if (!from || !to)
        return;
    if (!m_byDate)
        m_byDate = std::make_unique<ByDateWindow>(m_stats, m_clock, m_notice);
    m_byDate->showReportByDate(*from, *to);
}

void StatsWindow::openReportByActivity()
{
    if (m_chosenItem < 0 || m_chosenItem >= m_cmbActivities->count())
        return;
    if (!m_byActivity)
        m_byActivity = std::make_unique<ByActivityWindow>(m_stats, m_clock, m_notice);
    m_byActivity->showReportByActivity(m_cmbActivities->itemData(m_chosenItem).toInt());
}

void StatsWindow::closeClicked()
{
    m_byActivity.reset();
    m_byDate.reset();
    close();
}

void StatsWindow::closeEvent(QCloseEvent *event)
{
    if (m_byActivity)
        m_byActivity->hide();
    if (m_byDate)
        m_byDate->hide();
    event->accept();
    emit closed();
}

} // namespace qm::stats
