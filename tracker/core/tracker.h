#pragma once

#include "journal/settings.h"
#include "tracker/core/absences.h"
#include "tracker/core/activity_editor.h"
#include "tracker/core/change_form.h"
#include "tracker/core/corrections.h"
#include "tracker/core/day.h"
#include "tracker/core/history_model.h"
#include "tracker/core/journal_editor.h"
#include "tracker/core/program_files.h"
#include "tracker/core/stock_message.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qm {

class Clock;
class Desktop;
class Questions;
class Screens;

inline constexpr QStringView kWebAddress = u"https://quillmere.example.org/";

// The Quillmere program without its windows: every command of a window is a call here, and
// the windows only show what this state holds.
//
// Re-entry: a call on Questions or Screens may run a modal window, and so a nested event loop
// in which the notification area's menu can still be used (the ui's unlessModal guard stops
// the menu while a modal window is active, but not every desktop lets it know in time). So
// during such a call any public command may run, closeDay() and quitWithoutSaving() included,
// and the program may end. One guard stands for all of it, hasEnded(): a command called once
// the program has ended does nothing, and after such a call nothing touches the day or the
// files again once it is true (stock messages are asked through ask(), which gives no answer
// then), so that a day closed from the menu is never written a second time.
class Tracker : private AbsenceCommands
{
public:
    Tracker(const QString &programFolder, const Clock &clock, Questions &questions,
        Screens &screens, Desktop &desktop);

    // The day being logged, as the windows show it; only the commands here change it.
    const DayState &state() const { return m_day.state(); }
    const ProgramFiles &files() const { return m_files; }
    const SettingsModel &settings() const { return m_settings; }
    // The grid's rows, for the grid to show.
    HistoryModel &history() { return m_history; }
    ChangeForm &changeForm() { return m_changeForm; }
    ActivityEditor &editor() { return m_editor; }
    Absences &absences() { return m_absences; }
    // The activity lists are the editor's to fill first: there is no day to log before.
    bool isFirstRunPending() const { return m_firstRunPending; }
    // The main window's Changer button; disabled while a change of day waits for the user.
    bool isChangeEnabled() const { return m_changeEnabled; }

    // From initialisation to the main window (or the editor on a first run).
    void start();
    // Whether the program has been ended by one of its ways out.
    bool hasEnded() const override { return m_ended; }

    QString mainWindowTitle() const;
    QString webToolTip() const;
    // The notification-area icon's tooltip, now.
    QString trayToolTip() const;

    // The start window's date box: the text becomes the day to log when it is a date, today or
    // before.
    void checkStartDate(const QString &text);

    void refreshMainWindow();
    // The day being logged is before today: each of its activities needs a duration.
    bool isPastDay() const;
    // The user's answer: true for the right-hand button, and true without asking when the
    // message is switched off.
    bool showStockMessage(StockMessage::Code code);
    bool startNewDay();

    // Main window and notification area. The window is not shown (false) while one of the
    // other windows is on screen or once the program has ended.
    bool showMainWindow();
    void hideMainWindow();
    void openChangeDialog();
    void openEditor();
    void deleteLastActivity();
    // A document or page that nothing took is told at once, or later from the event loop when
    // the desktop's opener gives up once started.
    void openHelp();
    // The help document to open follows the language of the windows ("fr", "en"): an English
    // desktop gets Quillmere-en.pdf when it is there, and the French one otherwise.
    void setLanguage(const QString &language) { m_language = language; }
    void openWeb();
    void startStats();
    void closeDay();
    void quitWithoutSaving();

    void openAbsenceSettings();

    // Reminders of an activity that runs long: whether the desktop can show them, and after
    // how long (0: off, the default, which the settings file does not write).
    void setRemindersPossible(bool possible) { m_remindersPossible = possible; }
    bool areRemindersPossible() const { return m_remindersPossible; }
    int reminderMinutes() const { return m_settings.reminderMinutes; }
    void setReminderMinutes(int minutes);

    // Change dialog.
    bool confirmChange();
    void changeDialogKeyPressed();

    // A change at the given time, as the change dialog records it, with no comment and no
    // duration; false when the history has no room left.
    bool recordChangeAt(const QDateTime &time, const QString &activity) override;
    // The change dialog with the given time proposed.
    void openChangeDialogAt(const QDateTime &time) override;

    // Correction window, over a grid row.
    const Corrections &corrections() const { return m_corrections; }
    bool saveCorrection(int gridRow, const CorrectionFields &fields);
    void removeRow(int gridRow);

    // Journal window: the closed days of the journal. Not opened when the journal cannot be
    // read, or once the program has ended.
    void openJournal();
    JournalEditor &journal() { return m_journal; }

    // Activity editor.
    void addActivity();
    void saveEditor();
    void cancelEditor();

    // Writes the settings when they differ from what was last written; tells the user when
    // the file could not be written, unless `repeatWarning` is false and the same content failed
    // before.
    bool saveSettingsIfChanged(bool repeatWarning = true) override;
    FileRead reloadSettings();

private:
    // The user's answer to a stock message, as showStockMessage() gives it; none when the
    // program has ended, before the question or while it was up.
    std::optional<bool> ask(StockMessage::Code code);
    QString helpFile() const;
    void initialise();
    bool runStartWindow();
    void refreshAndShowMainWindow();
    // The proposed change time lies after the day being logged.
    bool reachesNextDay() const;
    // The user put off the change of day.
    void keepDayOpen();
    // Tells the user when the history cannot take another row.
    bool hasRoomForChange();
    // Ends without writing anything, so that a file the program cannot read is never replaced.
    void refuseUnreadableFile(const QString &path);
    void endProgram();

    QString m_language;
    const ProgramFiles m_files;
    // User name, message switches, activity lists and comment types.
    SettingsModel m_settings;
    HistoryModel m_history;
    const Clock &m_clock;
    Questions &m_questions;
    Screens &m_screens;
    Desktop &m_desktop;
    Day m_day;
    ChangeForm m_changeForm;
    Corrections m_corrections;
    JournalEditor m_journal;
    ActivityEditor m_editor;
    Absences m_absences;
    QByteArray m_savedSettings;
    QByteArray m_failedSettings;
    bool m_firstRunPending = false;
    bool m_changeEnabled = true;
    bool m_ended = false;
    bool m_remindersPossible = false;
};

} // namespace qm
