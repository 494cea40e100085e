#pragma once

#include "tracker/core/questions.h"
#include "tracker/core/screens.h"

#include <functional>
#include <memory>

namespace qm {

class Tracker;
class TrayIcon;
class StartWindow;
class AbsenceDialog;
class AbsenceSettingsDialog;
class EditorWindow;
class FirstRunDialog;
class MessageDialog;
class MainWindow;
class ChangeDialog;
class JournalWindow;

// The program's windows, created once and then only shown and hidden, as the core asks.
class WindowSet final : public Screens, public Questions
{
public:
    // `onEnd` ends the process's event loop; by default the application's.
    explicit WindowSet(bool trayAvailable, std::function<void()> onEnd = {});
    ~WindowSet() override;

    // Creates the windows over the core; called once, before the core starts.
    void attach(Tracker &tracker);

    MainWindow *mainWindow() const { return m_main.get(); }
    ChangeDialog *changeDialog() const { return m_select.get(); }
    EditorWindow *editor() const { return m_edit.get(); }
    StartWindow *startWindow() const { return m_about.get(); }
    FirstRunDialog *welcomeWindow() const { return m_firstExe.get(); }
    MessageDialog *messageWindow() const { return m_message.get(); }
    TrayIcon *trayIcon() const { return m_tray.get(); }
    AbsenceDialog *absenceWindow() const { return m_absence.get(); }
    AbsenceSettingsDialog *absenceSettingsWindow() const { return m_absences.get(); }
    JournalWindow *journalWindow() const { return m_journal.get(); }

    void showWelcome() override;
    bool runStartWindow() override;
    void showMainWindow() override;
    void hideMainWindow() override;
    void updateMainWindow() override;
    void runChangeDialog() override;
    void hideChangeDialog() override;
    void showEditor() override;
    void hideEditor() override;
    bool isEditorVisible() const override;
    bool isOtherWindowVisible() const override;
    bool isModalWindowOpen() const override;
    void runAbsenceSettings() override;
    void runJournal() override;
    void addTrayIcon() override;
    void removeTrayIcon() override;
    void endProgram() override;

    bool askStockMessage(const StockMessage &message, bool &suppress) override;
    std::optional<QString> askText(const QString &prompt, const QString &title) override;
    void warn(const QString &title, const QString &text) override;
    void inform(const QString &title, const QString &text) override;
    bool confirm(
        const QString &title, const QString &text, const QString &yes, const QString &no) override;
    AbsenceAnswer askAbsence(const QString &text) override;

private:
    bool m_trayAvailable;
    std::function<void()> m_onEnd;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<ChangeDialog> m_select;
    std::unique_ptr<EditorWindow> m_edit;
    std::unique_ptr<StartWindow> m_about;
    std::unique_ptr<FirstRunDialog> m_firstExe;
    std::unique_ptr<MessageDialog> m_message;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<AbsenceDialog> m_absence;
    std::unique_ptr<AbsenceSettingsDialog> m_absences;
    std::unique_ptr<JournalWindow> m_journal;
};

} // namespace qm
