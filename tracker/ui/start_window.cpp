#include "tracker/ui/start_window.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/form_keys.h"
#include "tracker/ui/mnemonic_buttons.h"
#include "tracker/ui/program_icon.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

constexpr int kPictureSize = 96;

} // namespace

StartWindow::StartWindow(Tracker &tracker, QWidget *parent)
    : QDialog(parent)
    , m_tracker(tracker)
    , m_today(new QLineEdit(QStringLiteral("xx/xx/xxxx"), this))
    , m_start(new QPushButton(tr("Démarrer"), this))
    , m_quit(new QPushButton(tr("Quitter"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Quillmere"));
    setWindowIcon(programIcon());
    setModal(true);

    // The program's picture, once.
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(programPicture(kPictureSize));
    auto *version = new QLabel(kVersionText.toString(), this);
    version->setObjectName(QStringLiteral("lblVers"));
    auto *prompt = new QLabel(tr("Enregistrer un log pour la journée du ( jj/mm/aaaa ) :"), this);
    prompt->setBuddy(m_today);
    m_today->setObjectName(QStringLiteral("txtToday"));
    m_start->setObjectName(QStringLiteral("cmdStart"));
    m_quit->setObjectName(QStringLiteral("cmdQuit"));
    for (QPushButton *button : { m_start, m_quit }) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    giveMnemonics({ m_start, m_quit });

    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(prompt);
    dateRow->addWidget(m_today);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_start);
    buttons->addWidget(m_quit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignCenter);
    layout->addWidget(version, 0, Qt::AlignRight);
    layout->addLayout(dateRow);
    layout->addLayout(buttons);
    setTabOrder(m_today, m_start);
    setTabOrder(m_start, m_quit);

    connect(m_start, &QPushButton::clicked, this, [this] {
        checkDate();
        m_started = true;
        hide();
    });
    connect(m_quit, &QPushButton::clicked, this, [this] {
        m_started = false;
        hide();
    });
    previewKeys(this, this);
}

bool StartWindow::run()
{
    m_started = false;
    exec();
    return m_started;
}

void StartWindow::reject()
{
    m_started = false;
    hide();
}

void StartWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
    m_today->setText(m_tracker.state().dayDate());
    m_today->setFocus();
    m_today->selectAll();
}

void StartWindow::checkDate()
{
    m_tracker.checkStartDate(m_today->text());
    m_today->setText(m_tracker.state().dayDate());
}

bool StartWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_today && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            checkDate();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Escape would end the program like the close box, without the user meaning to: only the
    // close box and Quitter do that.
    if (key->key() == Qt::Key_Escape)
        return true;
    if (!isEnterKey(key))
        return QDialog::eventFilter(watched, event);
    QWidget *focused = focusWidget();
    if (auto *button = qobject_cast<QPushButton *>(focused)) {
        button->click();
    } else if (focused == m_today) {
        checkDate();
        m_start->setFocus();
    }
    return true;
}

} // namespace qm
