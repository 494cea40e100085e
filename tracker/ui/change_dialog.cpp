#include "tracker/ui/change_dialog.h"

#include "journal/settings.h"
#include "tracker/core/tracker.h"
#include "tracker/ui/form_keys.h"
#include "tracker/ui/list_selection.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"
#include "tracker/ui/window_focus.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

QLineEdit *field(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QListWidget *list(QWidget *parent, const char *name, const QString &label)
{
    auto *widget = new QListWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(label);
    return widget;
}

QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

// The fixed first entry of a list shows in the language of the windows; the settings keep
// its French name.
QStringList shownTexts(QStringList texts, QStringView fixed, const QString &translated)
{
    if (!texts.isEmpty() && texts.first() == fixed)
        texts.first() = translated;
    return texts;
}

void setTexts(QListWidget *widget, const QStringList &texts, int current)
{
    QStringList shown;
    for (int i = 0; i < widget->count(); ++i)
        shown.append(widget->item(i)->text());
    if (shown != texts) {
        widget->clear();
        widget->addItems(texts);
    }
    widget->setCurrentRow(current);
}

void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

// The lists take the tooltip colour while they have the focus.
void highlight(QListWidget *widget, bool focused)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base,
        focused ? widget->palette().color(QPalette::ToolTipBase) : QColor(Qt::white));
    widget->setPalette(palette);
}

} // namespace

ChangeDialog::ChangeDialog(Tracker &tracker, QWidget *parent)
    : QDialog(parent)
    , m_tracker(tracker)
    , m_invokeTime(field(this, "txtInvokeTime"))
    , m_duration(field(this, "txtDuration"))
    , m_endTime(field(this, "txtEndTime"))
    , m_activities(list(this, "lstActivities", tr("Sélectionnez la nouvelle activité :")))
    , m_comment(field(this, "txtComment"))
    , m_addComment(field(this, "txtAddComment"))
    , m_comments(list(this, "lstComments", tr("Ou... sélectionnez un commentaire type existant :")))
    , m_ok(new QPushButton(tr("Confirmer"), this))
    , m_cancel(new QPushButton(tr("Abandonner"), this))
    , m_current(new QLabel(this))
    , m_pastDay(new QLabel(tr("Journée passée : indiquez pour chaque activité sa durée ou son "
                              "heure de fin."),
          this))
{
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(tr("Quillmere - Sélection de l'activité"));
    setWindowIcon(programIcon());
    setModal(true);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_current->setObjectName(QStringLiteral("lblCurrent"));
    m_pastDay->setObjectName(QStringLiteral("lblPastDay"));
    QFont bold = m_pastDay->font();
    bold.setBold(true);
    m_pastDay->setFont(bold);
    m_pastDay->hide();
    m_invokeTime->setToolTip(tr("hh:mm ou hh:mm:ss ; ou -N pour N minutes avant maintenant "
                                "(par exemple -20)"));
    // Confirmer shows as the default: Enter confirms from the list and the comments, and the
    // time fields keep their own use of it.
    for (QPushButton *button : { m_ok, m_cancel })
        button->setAutoDefault(false);
    m_ok->setDefault(true);
    giveMnemonics({ m_ok, m_cancel });
    highlight(m_activities, false);
    highlight(m_comments, false);

    auto *times = new QGridLayout;
    times->addWidget(new QLabel(tr("Vous allez cesser l'activité :"), this), 0, 0);
    times->addWidget(m_current, 0, 1);
    times->addWidget(
        caption(tr("Ce changement enregistré à ( hh:mm [:ss] ) :"), m_invokeTime, this), 1, 0);
    times->addWidget(m_invokeTime, 1, 1);
    times->addWidget(
        caption(tr("Durée de la nouvelle activité (optionel - en minutes) :"), m_duration, this), 2,
        0);
    times->addWidget(m_duration, 2, 1);
    times->addWidget(new QLabel(tr("Ou..."), this), 3, 0);
    times->addWidget(caption(tr("Heure de fin de la nouvelle activité (optionel - hh:mm[:ss] ) :"),
                         m_endTime, this),
        4, 0);
    times->addWidget(m_endTime, 4, 1);
    times->addWidget(new QLabel(tr("à indiquer uniquement en mode différé"), this), 5, 0, 1, 2);

    auto *activityFrame = new QGroupBox(tr("Nouvelle activité"), this);
    auto *activityLayout = new QVBoxLayout(activityFrame);
    activityLayout->addWidget(
        caption(tr("Sélectionnez la nouvelle activité :"), m_activities, this));
    activityLayout->addWidget(m_activities);

    auto *commentFrame = new QGroupBox(tr("Commentaire éventuel"), this);
    auto *commentLayout = new QVBoxLayout(commentFrame);
    commentLayout->addWidget(caption(tr("Eventuellement, ajoutez un commentaire "
                                        "ponctuel :"),
        m_comment, this));
    commentLayout->addWidget(m_comment);
    commentLayout->addWidget(
        caption(tr("Ou... ajoutez un nouveau commentaire type :"), m_addComment, this));
    commentLayout->addWidget(m_addComment);
    commentLayout->addWidget(
        caption(tr("Ou... sélectionnez un commentaire type existant :"), m_comments, this));
    commentLayout->addWidget(m_comments);

    auto *lists = new QHBoxLayout;
    lists->addWidget(activityFrame, 1);
    lists->addWidget(commentFrame, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pastDay);
    layout->addLayout(times);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(760, 520);

    QWidget *order[] = { m_invokeTime, m_duration, m_endTime, m_activities, m_comment, m_addComment,
        m_comments, m_ok, m_cancel };
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(m_ok, &QPushButton::clicked, this, &ChangeDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &ChangeDialog::reject);
    for (QLineEdit *edit : { m_invokeTime, m_duration, m_endTime, m_comment, m_addComment })
        connect(edit, &QLineEdit::textEdited, this, [this] { takeFields(); });
    for (QListWidget *widget : { m_activities, m_comments })
        connect(widget, &QListWidget::itemSelectionChanged, this, [this] { takeFields(); });
    previewKeys(this, this);
}

void ChangeDialog::run()
{
    showFields();
    exec();
}

void ChangeDialog::reject()
{
    hide();
}

void ChangeDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    bringToFront(this, m_invokeTime);
}

void ChangeDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    emit hidden();
}

void ChangeDialog::showFields()
{
    const ChangeFields &fields = m_tracker.changeForm().fields();
    const SettingsModel &settings = m_tracker.settings();
    QSignalBlocker blockActivities(m_activities);
    QSignalBlocker blockComments(m_comments);
    setText(m_invokeTime, fields.invokeTime);
    setText(m_duration, fields.duration);
    setText(m_endTime, fields.endTime);
    setText(m_comment, fields.comment);
    setText(m_addComment, fields.addComment);
    setTexts(m_activities,
        shownTexts(settings.activityChoices, kPauseChoice, tr("pause (activité pré-définie)")),
        fields.activityIndex);
    setTexts(m_comments,
        shownTexts(settings.commentChoices, kNoCommentChoice, tr("(Aucun commentaire)")),
        fields.commentIndex);
    m_current->setText(fields.current);
    m_pastDay->setVisible(fields.durationNeeded);
}

void ChangeDialog::takeFields()
{
    ChangeFields &fields = m_tracker.changeForm().fields();
    fields.invokeTime = m_invokeTime->text();
    fields.duration = m_duration->text();
    fields.endTime = m_endTime->text();
    fields.comment = m_comment->text();
    fields.addComment = m_addComment->text();
    fields.activityIndex = selectedRow(m_activities);
    fields.commentIndex = selectedRow(m_comments);
}

bool ChangeDialog::runCheck(QObject *field)
{
    takeFields();
    ChangeForm &form = m_tracker.changeForm();
    bool accepted = true;
    if (field == m_invokeTime)
        form.checkChangeTime();
    else if (field == m_duration)
        form.checkDuration();
    else if (field == m_endTime)
        accepted = form.checkEndTime();
    showFields();
    // The end time not meant: back in it, to put it right.
    if (!accepted)
        bringToFront(this, m_endTime);
    return accepted;
}

void ChangeDialog::confirm()
{
    takeFields();
    const bool recorded = m_tracker.confirmChange();
    showFields();
    if (recorded || !isVisible())
        return;
    switch (m_tracker.changeForm().fieldToFix()) {
    case ChangeForm::Field::Duration:
        bringToFront(this, m_duration);
        break;
    case ChangeForm::Field::EndTime:
        bringToFront(this, m_endTime);
        break;
    case ChangeForm::Field::None:
        break;
    }
}

bool ChangeDialog::handleKey(QKeyEvent *event)
{
    QWidget *focused = focusWidget();
    bool handled = false;
    if (isEnterKey(event)) {
        if (focused == m_invokeTime) {
            runCheck(m_invokeTime);
            m_duration->setFocus();
        } else if (focused == m_duration) {
            runCheck(m_duration);
            m_activities->setFocus();
        } else if (focused == m_endTime) {
            if (runCheck(m_endTime))
                m_activities->setFocus();
        } else if (focused == m_cancel) {
            takeFields();
            reject();
        } else if (focused == m_activities || focused == m_comment || focused == m_addComment
            || focused == m_comments || focused == m_ok) {
            // As the default button: with no activity chosen, Confirmer does nothing either.
            confirm();
        }
        handled = true;
    } else if (event->key() == Qt::Key_Escape) {
        // As Abandonner: what was typed stays in the fields for the next opening.
        takeFields();
        reject();
        handled = true;
    } else if (event->key() == Qt::Key_Delete && focused == m_comments) {
        takeFields();
        if (m_tracker.changeForm().removeSelectedCommentType())
            showFields();
        handled = true;
    }
    return handled;
}

bool ChangeDialog::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const bool handled = handleKey(static_cast<QKeyEvent *>(event));
        m_tracker.changeDialogKeyPressed();
        return handled;
    }
    case QEvent::FocusIn:
        if (watched == m_activities || watched == m_comments)
            highlight(static_cast<QListWidget *>(watched), true);
        break;
    case QEvent::FocusOut: {
        if (watched == m_activities || watched == m_comments)
            highlight(static_cast<QListWidget *>(watched), false);
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if ((watched == m_invokeTime || watched == m_duration || watched == m_endTime)
            && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            runCheck(watched);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qm
