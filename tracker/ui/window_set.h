#pragma once

#include "tracker/core/questions.h"
#include "tracker/core/screens.h"

#include <functional>
#include <memory>

namespace qm {

class Tracker;
class TrayIcon;
class frmAbout;
class frmAbsence;
class frmAbsences;
class frmEdit;
class frmFirstExe;
class frmMessage;
class frmQuillmereMain;
class frmSelect;

// The program's windows, created once and then only shown and hidden, as the core asks.
class WindowSet final : public Screens, public Questions
{
public:
    // `onEnd` ends the process's event loop; by default the application's.
    explicit WindowSet(bool trayAvailable, std::function<void()> onEnd = {});
    ~WindowSet() override;

    // Creates the windows over the core; called once, before the core starts.
    void attach(Tracker &tracker);

    frmQuillmereMain *mainWindow() const { return m_main.get(); }
    frmSelect *changeDialog() const { return m_select.get(); }
    frmEdit *editor() const { return m_edit.get(); }
    frmAbout *startWindow() const { return m_about.get(); }
    frmFirstExe *welcomeWindow() const { return m_firstExe.get(); }
    frmMessage *messageWindow() const { return m_message.get(); }
    TrayIcon *trayIcon() const { return m_tray.get(); }
    frmAbsence *absenceWindow() const { return m_absence.get(); }
    frmAbsences *absenceSettingsWindow() const { return m_absences.get(); }

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
    std::unique_ptr<frmQuillmereMain> m_main;
    std::unique_ptr<frmSelect> m_select;
    std::unique_ptr<frmEdit> m_edit;
    std::unique_ptr<frmAbout> m_about;
    std::unique_ptr<frmFirstExe> m_firstExe;
    std::unique_ptr<frmMessage> m_message;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<frmAbsence> m_absence;
    std::unique_ptr<frmAbsences> m_absences;
};

} // namespace qm
