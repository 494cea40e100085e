#include "tracker/ui/window_set.h"

#include "tracker/core/tracker.h"
#include "tracker/ui/absence_dialog.h"
#include "tracker/ui/absence_settings_dialog.h"
#include "tracker/ui/change_dialog.h"
#include "tracker/ui/editor_window.h"
#include "tracker/ui/first_run_dialog.h"
#include "tracker/ui/journal_window.h"
#include "tracker/ui/main_window.h"
#include "tracker/ui/message_dialog.h"
#include "tracker/ui/program_icon.h"
#include "tracker/ui/start_window.h"
#include "tracker/ui/tray_icon.h"
#include "tracker/ui/window_focus.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace qm {

namespace {

// The box in front and active once on screen, with the keys; once answered, the window that
// asked takes them back. It carries the program's icon, as its other windows do.
void runInFront(QDialog &box, QWidget *field)
{
    box.setWindowIcon(programIcon());
    const QPointer<QWidget> asking
        = QApplication::activeWindow() ? QApplication::activeWindow() : box.parentWidget();
    QTimer::singleShot(0, &box, [&box, field] { bringToFront(&box, field); });
    box.exec();
    giveKeysBack(asking);
}

void runInFront(QMessageBox &box)
{
    runInFront(box, box.defaultButton());
}

void tell(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    runInFront(box);
}

} // namespace

WindowSet::WindowSet(bool trayAvailable, std::function<void()> onEnd)
    : m_trayAvailable(trayAvailable)
    , m_onEnd(std::move(onEnd))
{ }

WindowSet::~WindowSet() = default;

void WindowSet::attach(Tracker &tracker)
{
    m_main = std::make_unique<MainWindow>(tracker, m_trayAvailable);
    m_select = std::make_unique<ChangeDialog>(tracker);
    // Without a window manager nobody gives the main window back its keys.
    QObject::connect(m_select.get(), &ChangeDialog::hidden, m_main.get(), [this] {
        if (m_main->isVisible() && !m_main->isMinimized())
            bringToFront(m_main.get(), nullptr);
    });
    m_edit = std::make_unique<EditorWindow>(tracker);
    m_about = std::make_unique<StartWindow>(tracker);
    m_firstExe = std::make_unique<FirstRunDialog>();
    m_message = std::make_unique<MessageDialog>();
    m_tray = std::make_unique<TrayIcon>(tracker, m_main->trayMenu());
    m_absence = std::make_unique<AbsenceDialog>();
    m_absences = std::make_unique<AbsenceSettingsDialog>(tracker);
    m_journal = std::make_unique<JournalWindow>(tracker.journal());
}

void WindowSet::showWelcome()
{
    m_firstExe->exec();
}

bool WindowSet::runStartWindow()
{
    return m_about->run();
}

void WindowSet::showMainWindow()
{
    m_main->showOnScreen();
}

void WindowSet::hideMainWindow()
{
    m_main->hideToTray();
}

void WindowSet::updateMainWindow()
{
    m_main->updateFromState();
    m_tray->refreshToolTip();
}

void WindowSet::runChangeDialog()
{
    m_select->run();
}

void WindowSet::hideChangeDialog()
{
    m_select->hide();
}

void WindowSet::showEditor()
{
    m_edit->open();
}

void WindowSet::hideEditor()
{
    m_edit->hide();
}

bool WindowSet::isEditorVisible() const
{
    return m_edit->isVisible();
}

bool WindowSet::isOtherWindowVisible() const
{
    return m_about->isVisible() || m_firstExe->isVisible() || m_edit->isVisible()
        || m_message->isVisible() || m_select->isVisible();
}

bool WindowSet::isModalWindowOpen() const
{
    return isOtherWindowVisible() || QApplication::activeModalWidget();
}

void WindowSet::runAbsenceSettings()
{
    m_absences->run();
}

void WindowSet::runJournal()
{
    m_journal->run();
}

void WindowSet::addTrayIcon()
{
    m_tray->addTrayIcon();
}

void WindowSet::removeTrayIcon()
{
    m_tray->removeTrayIcon();
}

void WindowSet::endProgram()
{
    const QList<QWidget *> windows { m_main.get(), m_select.get(), m_edit.get(), m_about.get(),
        m_firstExe.get(), m_message.get(), m_absence.get(), m_absences.get(), m_journal.get() };
    for (QWidget *window : windows)
        window->hide();
    if (m_onEnd)
        m_onEnd();
    else
        QCoreApplication::exit(0);
}

bool WindowSet::askStockMessage(const StockMessage &message, bool &suppress)
{
    return m_message->ask(message, suppress);
}

std::optional<QString> WindowSet::askText(const QString &prompt, const QString &title)
{
    QInputDialog box(m_edit->isVisible() ? m_edit.get() : nullptr);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    runInFront(box, nullptr);
    if (box.result() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void WindowSet::warn(const QString &title, const QString &text)
{
    tell(QMessageBox::Warning, title, text);
}

void WindowSet::inform(const QString &title, const QString &text)
{
    tell(QMessageBox::Information, title, text);
}

bool WindowSet::confirm(
    const QString &title, const QString &text, const QString &yes, const QString &no)
{
    QMessageBox box(
        QMessageBox::Question, title, text, QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *noButton = box.addButton(no, QMessageBox::RejectRole);
    yesButton->setObjectName(QStringLiteral("cmdYes"));
    noButton->setObjectName(QStringLiteral("cmdNo"));
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    runInFront(box);
    return box.clickedButton() == yesButton;
}

} // namespace qm

namespace qm {

AbsenceAnswer WindowSet::askAbsence(const QString &text)
{
    return m_absence->ask(text);
}

} // namespace qm
