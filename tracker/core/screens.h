#pragma once

namespace qm {

// The windows of the program, as the core drives them.
class Screens
{
public:
    virtual ~Screens() = default;

    // The first-run window, modal: returns when it is closed.
    virtual void showWelcome() = 0;
    // The start window, modal: true for "Démarrer", false for "Quitter".
    virtual bool runStartWindow() = 0;

    virtual void showMainWindow() = 0;
    virtual void hideMainWindow() = 0;
    // The day's labels, the totals and the Changer button follow the state again.
    virtual void updateMainWindow() = 0;

    // The change dialog, modal: returns when it is hidden.
    virtual void runChangeDialog() = 0;
    virtual void hideChangeDialog() = 0;

    virtual void showEditor() = 0;
    virtual void hideEditor() = 0;
    virtual bool isEditorVisible() const = 0;

    // Whether a window that keeps the main window away is on screen (start window, first-run
    // window, editor, message window, change dialog).
    virtual bool isOtherWindowVisible() const = 0;
    // Whether one of those, or any other modal window of the program, waits for the user: the
    // absence window must not open over it.
    virtual bool isModalWindowOpen() const = 0;

    // The absences settings window, modal: returns when it is closed.
    virtual void runAbsenceSettings() = 0;
    // The journal window, modal: returns when it is closed.
    virtual void runJournal() = 0;

    virtual void addTrayIcon() = 0;
    virtual void removeTrayIcon() = 0;
    // Ends the process's event loop; nothing else is written afterwards.
    virtual void endProgram() = 0;
};

} // namespace qm
