#include "tracker/core/tracker.h"

#include "journal/datetime.h"
#include "journal/file_names.h"
#include "journal/text_formats.h"
#include "language/ui_language.h"
#include "storage/durable_write.h"
#include "tracker/core/desktop.h"
#include "tracker/core/questions.h"
#include "tracker/core/screens.h"
#include "tracker/core/tray_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

ProgramFiles::ProgramFiles(const QString &programFolder)
    : journalPath(programFile(programFolder, kJournalFileName))
    , settingsPath(programFile(programFolder, kSettingsFileName))
    , dayFilePath(programFile(programFolder, kDayFileName))
    , closingFilePath(programFile(programFolder, kClosingFileName))
    , helpFilePath(programFile(programFolder, kHelpFileName))
    , statsProgramPath(programFile(programFolder, executableName(u"QMStat")))
    , backupFolderPath(programFile(programFolder, u"Sauvegardes"))
{ }

Tracker::Tracker(const QString &programFolder, const Clock &clock, Questions &questions,
    Screens &screens, Desktop &desktop)
    : m_files(programFolder)
    , m_clock(clock)
    , m_questions(questions)
    , m_screens(screens)
    , m_desktop(desktop)
    , m_day(m_files, m_history, clock, questions)
    , m_changeForm(m_day, m_settings, questions)
    , m_corrections(m_day, m_settings, questions)
    , m_journal(m_files, m_settings, questions, clock)
    , m_editor(m_settings, questions)
    , m_absences(*this, m_day.state(), m_history, m_settings, clock, questions, screens)
{ }

QString Tracker::mainWindowTitle() const
{
    return QStringLiteral("Quillmere - ") + kVersionText.toString()
        + QStringLiteral("    BRISQUEL");
}

QString Tracker::webToolTip() const
{
    return QCoreApplication::translate("qm::Tracker",
        "Vérifier sur Internet s'il existe une nouvelle version (votre version = %1)")
        .arg(kVersionText);
}

QString Tracker::trayToolTip() const
{
    const DayState &day = m_day.state();
    return qm::trayToolTip(
        day.currentActivity(), day.currentStart(), day.isRunning(), m_clock.now());
}

void Tracker::initialise()
{
    m_screens.addTrayIcon();
    m_firstRunPending = false;
    m_settings.userName = QStringLiteral("-");
    m_settings.messageEnabled.fill(true);
    m_day.begin(m_clock.now(), kStartupLayout);
    m_settings.commentChoices = QStringList { kNoCommentChoice.toString() };
}

void Tracker::start()
{
    initialise();
    // A crash in the middle of a replacement leaves its temporary file behind.
    removeReplacementLeftovers(m_files.settingsPath);
    removeReplacementLeftovers(m_files.dayFilePath);
    bool abandonedDayKept = false;
    const FileRead settings = reloadSettings();
    if (settings == FileRead::Read && !m_day.settleInterruptedClose()) {
        endProgram();
        return;
    }
    const FileRead dayFile
        = settings == FileRead::Read ? m_day.readDayFileDate() : FileRead::Missing;
    if (settings == FileRead::Unreadable || dayFile == FileRead::Unreadable) {
        refuseUnreadableFile(
            settings == FileRead::Unreadable ? m_files.settingsPath : m_files.dayFilePath);
        return;
    }
    if (settings == FileRead::Missing) {
        m_firstRunPending = true;
        m_screens.showWelcome();
        if (!runStartWindow())
            return;
    } else if (dayFile == FileRead::Read) {
        if (!showStockMessage(StockMessage::Code::Recovery)) {
            if (!removeDayFile(m_files.dayFilePath)) {
                // Loading it anyway would log the abandoned day under the date chosen next.
                m_questions.warn(errorTitle(),
                    QCoreApplication::translate("qm::Tracker",
                        "Le fichier %1 n'a pas pu être supprimé : la journée "
                        "abandonnée n'est pas reprise.\nElle vous sera proposée à "
                        "nouveau au prochain démarrage.")
                        .arg(m_files.dayFilePath));
                abandonedDayKept = true;
            }
            m_day.chooseDay(m_clock.now());
            if (!runStartWindow())
                return;
        }
    } else if (!runStartWindow()) {
        return;
    }

    if (!m_firstRunPending) {
        // What was read before a read error is only part of the day: going on with it would
        // write a shorter day file over the whole one.
        const JournalRows rows = m_day.loadDayFromJournal();
        if (rows == JournalRows::Unreadable) {
            refuseUnreadableFile(m_files.journalPath);
            return;
        }
        if (rows == JournalRows::Shown)
            showStockMessage(StockMessage::Code::JournalRowsShown);
        if (!abandonedDayKept && m_day.loadDayFile() == FileRead::Unreadable) {
            refuseUnreadableFile(m_files.dayFilePath);
            return;
        }
    } else {
        openEditor();
    }
    if (m_screens.isEditorVisible())
        return;
    refreshAndShowMainWindow();
}

bool Tracker::runStartWindow()
{
    if (m_screens.runStartWindow())
        return true;
    endProgram();
    return false;
}

void Tracker::refuseUnreadableFile(const QString &path)
{
    m_questions.warn(errorTitle(),
        QCoreApplication::translate("qm::Tracker",
            "Le fichier %1 existe mais ne peut pas être lu.\nQuillmere s'arrête sans "
            "rien écrire, pour ne pas le remplacer : rendez-le lisible, puis "
            "relancez Quillmere.")
            .arg(path));
    endProgram();
}

void Tracker::endProgram()
{
    m_screens.removeTrayIcon();
    m_ended = true;
    m_screens.endProgram();
}

void Tracker::checkStartDate(const QString &text)
{
    const auto date = text.contains(u'/') ? parseUserDate(text) : std::nullopt;
    if (!date)
        return;
    // A day that has not come yet would reach the journal and the statistics as if it had
    // been worked.
    const QDate today = m_clock.now().date();
    if (*date > today) {
        m_questions.warn(QCoreApplication::translate("qm::Tracker", "Quillmere - Date future"),
            QCoreApplication::translate("qm::Tracker",
                "La journée à saisir ne peut pas être postérieure à aujourd'hui, le %1.\n"
                "Saisissez une autre date.")
                .arg(dateText(today)));
        return;
    }
    m_day.chooseDay(makeDateTime(*date, m_clock.now().time()));
}

void Tracker::refreshMainWindow()
{
    if (hasEnded())
        return;
    const DayState &day = m_day.state();
    if (day.currentActivity() == kStartActivity) {
        m_day.setChangeTime(day.currentStart());
    } else if (!day.isRunning()) {
        m_day.setChangeTime(addMinutes(day.currentStart(), day.currentDuration()));
    } else {
        const QDateTime now = m_clock.now();
        m_day.setChangeTime(now > day.currentStart() ? now : addMinutes(day.currentStart(), 1));
    }

    m_changeEnabled = true;
    if (reachesNextDay()) {
        m_screens.updateMainWindow();
        // The day may have been closed from the icon's menu while the question was up: it is in
        // the journal then, and must not go there a second time.
        const std::optional<bool> save = ask(StockMessage::Code::NewDay);
        if (!save)
            return;
        if (*save)
            m_changeEnabled = startNewDay();
        else
            keepDayOpen();
    }
    m_changeForm.proposeChangeTime();
    m_screens.updateMainWindow();
}

bool Tracker::reachesNextDay() const
{
    const QDate day = m_day.state().loggedDay();
    return day.isValid() && m_day.state().changeTime().date() > day;
}

bool Tracker::isPastDay() const
{
    const QDate day = m_day.state().loggedDay();
    return day.isValid() && day < m_clock.now().date();
}

void Tracker::keepDayOpen()
{
    // The day stays as it is, to be put right or closed: a running activity is then taken to
    // end with its day at the latest, so that Changer and Terminer keep it within that day.
    const DayState &day = m_day.state();
    if (!day.isRunning() || day.currentActivity() == kStartActivity)
        return;
    const QDateTime lastSecond = makeDateTime(day.loggedDay(), QTime(23, 59, 59));
    if (addMinutes(day.currentStart(), 1) <= lastSecond)
        m_day.setChangeTime(lastSecond);
}

bool Tracker::showStockMessage(StockMessage::Code code)
{
    const auto message = stockMessage(code);
    const int number = int(code);
    if (!message || number < 0 || number >= kMessageCount
        || !m_settings.messageEnabled[size_t(number)])
        return true;
    bool suppress = false;
    const bool answer = m_questions.askStockMessage(*message, suppress);
    if (suppress && message->offersSuppression)
        m_settings.messageEnabled[size_t(number)] = false;
    return answer;
}

std::optional<bool> Tracker::ask(StockMessage::Code code)
{
    if (hasEnded())
        return std::nullopt;
    const bool answer = showStockMessage(code);
    if (hasEnded())
        return std::nullopt;
    return answer;
}

bool Tracker::startNewDay()
{
    if (hasEnded())
        return false;
    m_day.closeRunningActivity();
    switch (m_day.writeDayToJournal()) {
    case ClosingOutcome::Closed:
        break;
    case ClosingOutcome::DayFileKept:
        endProgram();
        return false;
    case ClosingOutcome::JournalUnchanged:
    case ClosingOutcome::JournalDamaged:
        // The old day stays open: its last activity is now finished, so the day file takes it.
        m_day.saveDayFile();
        return false;
    }
    m_day.begin(m_day.state().changeTime(), kNewDayLayout);
    const JournalRows rows = m_day.loadDayFromJournal();
    if (rows == JournalRows::Unreadable) {
        // The old day is safe in the journal; the new one would start on partial totals.
        refuseUnreadableFile(m_files.journalPath);
        return false;
    }
    if (rows == JournalRows::Shown)
        showStockMessage(StockMessage::Code::JournalRowsShown);
    return true;
}

bool Tracker::showMainWindow()
{
    if (hasEnded() || m_screens.isOtherWindowVisible())
        return false;
    refreshAndShowMainWindow();
    return !hasEnded();
}

void Tracker::refreshAndShowMainWindow()
{
    refreshMainWindow();
    // The refresh's question about the new day leaves time to end the program from the icon.
    if (!hasEnded())
        m_screens.showMainWindow();
}

void Tracker::hideMainWindow()
{
    m_screens.hideMainWindow();
}

void Tracker::openChangeDialog()
{
    if (hasEnded() || !m_changeEnabled)
        return;
    // The change of day was put off, and the current activity ends after its day: no change
    // fits in this day any more, so the question comes again.
    if (reachesNextDay()) {
        refreshMainWindow();
        if (hasEnded() || !m_changeEnabled || reachesNextDay())
            return;
    }
    m_changeForm.open();
    m_changeForm.fields().durationNeeded = isPastDay();
    m_screens.runChangeDialog();
}

bool Tracker::hasRoomForChange()
{
    if (!m_day.isHistoryFull())
        return true;
    m_questions.warn(QCoreApplication::translate("qm::Tracker", "Quillmere - Historique plein"),
        QCoreApplication::translate("qm::Tracker",
            "L'historique de la journée ne peut pas contenir plus de "
            "%1 lignes.\nTerminez la journée pour continuer.")
            .arg(kMaxDayRows));
    return false;
}

bool Tracker::confirmChange()
{
    if (!hasRoomForChange())
        return false;
    if (!m_changeForm.confirm()) {
        if (m_changeForm.fieldToFix() == ChangeForm::Field::Duration)
            m_questions.warn(
                QCoreApplication::translate("qm::Tracker", "Quillmere - Journée passée"),
                QCoreApplication::translate("qm::Tracker",
                    "Le %1 est une journée passée : chaque activité y a une durée ou une heure "
                    "de fin.\nIndiquez la durée ou l'heure de fin de la nouvelle activité.")
                    .arg(m_day.state().dayDate()));
        return false;
    }
    m_screens.hideChangeDialog();
    if (m_changeForm.takeNewCommentType()) {
        m_settings.commentChoices.append(m_changeForm.fields().addComment);
        if (saveSettingsIfChanged())
            reloadSettings();
    }
    if (m_day.state().isRunning()) {
        // Where the window can only be minimised, it stays in sight with the day's totals.
        m_screens.updateMainWindow();
        m_screens.hideMainWindow();
    } else {
        refreshMainWindow();
    }
    return true;
}

bool Tracker::recordChangeAt(const QDateTime &time, const QString &activity)
{
    if (hasEnded() || !hasRoomForChange())
        return false;
    m_day.setChangeTime(time);
    m_day.changeTo(activity, QString(), DayState::kRunning);
    m_screens.updateMainWindow();
    return true;
}

void Tracker::openChangeDialogAt(const QDateTime &time)
{
    if (hasEnded() || !m_changeEnabled)
        return;
    m_day.setChangeTime(time);
    m_changeForm.proposeChangeTime();
    openChangeDialog();
}

void Tracker::openJournal()
{
    if (!hasEnded() && m_journal.load(m_day.state().dayDate()))
        m_screens.runJournal();
}

void Tracker::setReminderMinutes(int minutes)
{
    m_settings.reminderMinutes = std::clamp(minutes, 0, kMaxReminderMinutes);
    saveSettingsIfChanged(true);
}

void Tracker::openAbsenceSettings()
{
    if (!hasEnded())
        m_screens.runAbsenceSettings();
}

void Tracker::changeDialogKeyPressed()
{
    // Every key saves: a warning on each of them would make the dialog unusable, once per
    // content that could not be written is enough.
    saveSettingsIfChanged(false);
}

void Tracker::openEditor()
{
    // A second opening would take the lists being edited as the copy Abandonner goes back to.
    if (m_screens.isEditorVisible())
        return;
    m_editor.backupActivityLists();
    m_screens.showEditor();
}

void Tracker::addActivity()
{
    m_editor.add();
}

void Tracker::saveEditor()
{
    if (!saveSettingsIfChanged())
        return;
    m_firstRunPending = false;
    reloadSettings();
    m_screens.hideEditor();
    refreshAndShowMainWindow();
}

void Tracker::cancelEditor()
{
    if (m_firstRunPending) {
        endProgram();
        return;
    }
    m_screens.hideEditor();
    m_editor.restoreActivityLists();
    refreshAndShowMainWindow();
}

void Tracker::deleteLastActivity()
{
    if (m_day.state().dayActivityCount() < 1)
        return;
    if (!m_questions.confirm(QCoreApplication::translate("qm::Tracker", "Quillmere - Effacer"),
            QCoreApplication::translate("qm::Tracker", "Effacer la dernière activité « %1 » ?")
                .arg(m_day.state().currentActivity()),
            QCoreApplication::translate("qm::Tracker", "Effacer"),
            QCoreApplication::translate("qm::Tracker", "Annuler")))
        return;
    m_day.deleteLastActivity();
    refreshMainWindow();
}

bool Tracker::saveCorrection(int gridRow, const CorrectionFields &fields)
{
    if (hasEnded() || !m_corrections.save(gridRow, fields))
        return false;
    refreshMainWindow();
    return true;
}

void Tracker::removeRow(int gridRow)
{
    if (hasEnded())
        return;
    m_corrections.remove(gridRow);
    refreshMainWindow();
}

QString Tracker::helpFile() const
{
    if (m_language == kEnglish) {
        const QString english = documentEdition(m_files.helpFilePath, kEnglish);
        if (QFileInfo::exists(english))
            return english;
    }
    return m_files.helpFilePath;
}

void Tracker::openHelp()
{
    const QString file = helpFile();
    const auto cannotOpen = [this, file] {
        m_questions.warn(errorTitle(),
            QCoreApplication::translate("qm::Tracker",
                "Le fichier d'aide n'a pas pu être ouvert :\n%1\n\nVérifiez qu'il existe "
                "et qu'un lecteur de documents PDF est installé, ou ouvrez-le vous-même.")
                .arg(QDir::toNativeSeparators(file)));
    };
    if (!m_desktop.openFile(file, cannotOpen))
        cannotOpen();
}

void Tracker::openWeb()
{
    const auto cannotOpen = [this] {
        m_questions.warn(errorTitle(),
            QCoreApplication::translate("qm::Tracker",
                "La page Internet n'a pas pu être ouverte :\n%1\n\nVérifiez qu'un "
                "navigateur est installé, ou saisissez cette adresse dans le vôtre.")
                .arg(kWebAddress.toString()));
    };
    if (!m_desktop.openUrl(kWebAddress.toString(), cannotOpen))
        cannotOpen();
}

void Tracker::startStats()
{
    if (!QFile::exists(m_files.journalPath)) {
        showStockMessage(StockMessage::Code::NoJournal);
        return;
    }
    m_screens.hideMainWindow();
    if (!m_desktop.startProgram(m_files.statsProgramPath))
        m_screens.showMainWindow();
}

void Tracker::closeDay()
{
    if (!ask(StockMessage::Code::CloseDay).value_or(false))
        return;
    m_day.closeRunningActivity();
    const ClosingOutcome outcome = m_day.writeDayToJournal();
    if (outcome == ClosingOutcome::JournalUnchanged || outcome == ClosingOutcome::JournalDamaged) {
        m_day.saveDayFile();
        m_screens.updateMainWindow();
        m_screens.showMainWindow();
        return;
    }
    saveSettingsIfChanged();
    endProgram();
}

void Tracker::quitWithoutSaving()
{
    if (!ask(StockMessage::Code::QuitWithoutSaving).value_or(false))
        return;
    saveSettingsIfChanged();
    endProgram();
}

bool Tracker::saveSettingsIfChanged(bool repeatWarning)
{
    const QByteArray bytes = formatSettings(m_settings);
    if (bytes == m_savedSettings && QFile::exists(m_files.settingsPath))
        return true;
    if (!saveSettings(m_files.settingsPath, m_settings)) {
        if (repeatWarning || bytes != m_failedSettings) {
            m_failedSettings = bytes;
            m_questions.warn(errorTitle(),
                QCoreApplication::translate(
                    "qm::Tracker", "Les réglages n'ont pas pu être enregistrés dans %1.")
                    .arg(m_files.settingsPath));
        }
        return false;
    }
    m_savedSettings = bytes;
    m_failedSettings.clear();
    return true;
}

FileRead Tracker::reloadSettings()
{
    return loadSettings(m_files.settingsPath, m_settings);
}

} // namespace qm
