#include "installer/core/installation_run.h"

#include "installer/core/install_paths.h"
#include "installer/core/log_sink.h"
#include "installer/core/platform.h"
#include "installer/core/questions.h"
#include "installer/core/running_tracker.h"
#include "installer/core/uninstall_data.h"

#include <QDate>
#include <QDateTime>

namespace qm::install {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
// Translated where they are used: the translation is installed once these exist.
const char *const kDone = QT_TRANSLATE_NOOP("InstallationRun", "  terminé");
const char *const kErrorTitle = QT_TRANSLATE_NOOP("InstallationRun", "Erreur");
const char *const kMissingMessage
    = QT_TRANSLATE_NOOP("InstallationRun", "    Certains fichiers sont absents - voir le log    ");
const char *const kRunningMessage = QT_TRANSLATE_NOOP(
    "InstallationRun", "    Quillmere est en cours d'exécution - voir le log    ");
const char *const kCopyMessage
    = QT_TRANSLATE_NOOP("InstallationRun", "    Erreur pendant la copie - voir le log    ");
//: After a file name in the log.
const char *const kInUse
    = QT_TRANSLATE_NOOP("InstallationRun", " : ERREUR, fichier existant et utilisé");
//: After a file name in the log.
const char *const kNotPlaced = QT_TRANSLATE_NOOP("InstallationRun", " : ERREUR, copie impossible");
const char *const kWriteMessage
    = QT_TRANSLATE_NOOP("InstallationRun", "    Erreur pendant l'écriture - voir le log    ");
//: After a file name in the log.
const char *const kNotWritten
    = QT_TRANSLATE_NOOP("InstallationRun", " : ERREUR, écriture impossible");

// The calendar day of a file as a number, so that two copies made on the same day at different
// times count as the same version.
int dayStamp(const QDateTime &modified)
{
    const QDate day = modified.date();
    if (!day.isValid())
        return 0;
    return day.year() * 10000 + day.month() * 100 + day.day();
}

} // namespace

InstallationRun::InstallationRun(Platform &platform, Questions &questions, LogSink &log,
    const PayloadTable &payload, InstallState &state)
    : m_platform(platform)
    , m_questions(questions)
    , m_log(log)
    , m_payload(payload)
    , m_state(state)
{ }

FinishButton InstallationRun::runInstallation(
    const ShortcutChoice &choice, const FinishChanged &finishChanged)
{
    m_finishChanged = finishChanged;
    if (!waitUntilTrackerQuits([this] { return m_platform.isTrackerRunning(installFolder()); },
            m_questions, kProductName)) {
        m_log.append(
            kCrLf + tr("  ERREUR : Quillmere est en cours d'exécution, rien n'a été remplacé"));
        return fail(tr(kRunningMessage));
    }
    if (!checkFiles())
        return fail(tr(kMissingMessage));
    createInstallFolder();
    if (!placeComponents() || !copyProgramFiles())
        return fail(tr(kCopyMessage));
    header(tr("Création des raccourcis..."));
    const bool shortcutsMade = createShortcuts(choice);
    if (shortcutsMade)
        m_log.append(tr(kDone));
    // Written after a failed shortcut too, so that the uninstaller can remove those that were
    // made; and before the end is announced, so that a run without it is never a success.
    const bool dataWritten = writeUninstallFile();
    if (!shortcutsMade || !dataWritten)
        return fail(tr(kWriteMessage));
    header(tr("INSTALLATION TERMINEE"));
    FinishButton finish;
    finish.enabled = true;
    showFinish(finish);
    return finish;
}

bool InstallationRun::checkFiles()
{
    header(tr("Vérification des fichiers nécessaires..."));
    bool complete = true;
    for (const PayloadEntry &entry : m_payload.entries) {
        if (!m_platform.fileExists(joinPath(m_state.sourceDir, entry.source))) {
            m_log.append(kCrLf + tr("  ERREUR : %1 est absent").arg(entry.source));
            complete = false;
        }
    }
    if (complete)
        m_log.append(tr(kDone));
    return complete;
}

void InstallationRun::createInstallFolder()
{
    header(tr("Création des dossiers..."));
    // A folder that is not usable is left alone: the first program file copy then reports it.
    if (isUsableFolder(installFolder()) && !m_platform.folderExists(installFolder()))
        m_platform.createFolder(installFolder());
    m_log.append(tr(kDone));
}

bool InstallationRun::placeComponents()
{
    header(tr("Enregistrement des composants..."));
    const QString systemFolder = joinPath(m_state.winDir, QStringLiteral("system32"));
    for (qsizetype i = 0; i < m_payload.componentCount; ++i) {
        const PayloadEntry &entry = m_payload.entries.at(i);
        const QString installed = joinPath(systemFolder, entry.source);
        const QString shipped = joinPath(m_state.sourceDir, entry.source);
        if (!m_platform.fileExists(installed)) {
            // An unplaced component must not be registered nor reported as registered.
            if (!isUsableFolder(m_state.winDir) || !m_platform.copyFile(shipped, installed)) {
                item(entry.source, tr(kNotPlaced));
                continue;
            }
            registerComponent(entry.source);
            //: After a file name in the log.
            item(entry.source, tr(" : enregistré"));
            continue;
        }
        const int shippedStamp = dayStamp(m_platform.lastModified(shipped));
        const int installedStamp = dayStamp(m_platform.lastModified(installed));
        if (shippedStamp <= installedStamp) {
            //: After a file name in the log.
            item(entry.source, tr(" : existe déja sur votre système"));
            continue;
        }
        if (entry.target != kForcedMode) {
            //: After a file name in the log.
            item(entry.source, tr(" : une version antérieure existe sur votre système"));
            continue;
        }
        if (!m_platform.copyFile(shipped, installed)) {
            item(entry.source, tr(kInUse));
            return false;
        }
        registerComponent(entry.source);
        //: After a file name in the log.
        item(entry.source, tr(" : une version antérieure a été mise à jour"));
    }
    return true;
}

void InstallationRun::registerComponent(const QString &name)
{
    const QString component = joinPath(joinPath(m_state.winDir, QStringLiteral("system32")), name);
    for (const QString &folder : { QStringLiteral("system"), QStringLiteral("system32") }) {
        const QString programFolder = joinPath(m_state.winDir, folder);
        if (m_platform.fileExists(joinPath(programFolder, QStringLiteral("regsvr32.exe"))))
            m_platform.startHidden(joinPath(programFolder, QStringLiteral("regsvr32")),
                { QStringLiteral("/s"), component });
    }
}

bool InstallationRun::copyProgramFiles()
{
    header(tr("Copie des fichiers..."));
    for (qsizetype i = m_payload.componentCount; i < m_payload.entries.size(); ++i) {
        const PayloadEntry &entry = m_payload.entries.at(i);
        if (!copyInto(installFolder(), joinPath(m_state.sourceDir, entry.source), entry.target)) {
            item(entry.target, tr(kInUse));
            return false;
        }
    }
    m_log.append(tr(kDone));
    return true;
}

bool InstallationRun::copyInto(const QString &folder, const QString &source, const QString &target)
{
    return isUsableFolder(folder) && m_platform.copyFile(source, joinPath(folder, target));
}

bool InstallationRun::createShortcuts(const ShortcutChoice &choice)
{
    m_state.desktopFolder = m_platform.specialFolder(QStringLiteral("Desktop"));
    const QString programs = m_platform.specialFolder(QStringLiteral("Programs"));
    m_state.programsFolder = programs.isEmpty() ? QString() : joinPath(programs, kProductName);
    m_state.startupFolder = m_platform.specialFolder(QStringLiteral("Startup"));

    bool made = true;
    if (choice.desktop)
        made &= makeShortcut(m_state.desktopFolder, linkName(), exeName());
    if (choice.start && isUsableFolder(m_state.programsFolder)) {
        if (!m_platform.folderExists(m_state.programsFolder))
            m_platform.createFolder(m_state.programsFolder);
        made &= makeShortcut(m_state.programsFolder, linkName(), exeName());
        made &= makeShortcut(m_state.programsFolder, kStatsLinkName, statsExeName());
        made &= makeShortcut(m_state.programsFolder, kHelpLinkName, m_state.helpFile);
        made &= makeShortcut(m_state.programsFolder, kUninstallLinkName, uninstallExeName());
    }
    if (choice.startup)
        made &= makeShortcut(m_state.startupFolder, linkName(), exeName());
    return made;
}

bool InstallationRun::makeShortcut(
    const QString &folder, const QString &linkName, const QString &target)
{
    // An undetermined folder would put the shortcut at the root of the disk; it is no failure,
    // the system simply has no such place.
    if (!isUsableFolder(folder))
        return true;
    Shortcut shortcut;
    shortcut.linkPath = joinPath(folder, linkName);
    shortcut.targetPath = joinPath(installFolder(), target);
    shortcut.workingDirectory = installFolder();
    shortcut.windowStyle = 4;
    shortcut.iconLocation = shortcut.targetPath + QStringLiteral(", 0");
    if (m_platform.createShortcut(shortcut))
        return true;
    item(shortcutFilePath(shortcut.linkPath), tr(kNotWritten));
    return false;
}

bool InstallationRun::writeUninstallFile()
{
    // The folder as the user typed it: the file records the choice, not the cleaned path.
    const UninstallData data { kProductName, m_state.installPath, m_state.desktopFolder,
        m_state.programsFolder, m_state.startupFolder };
    if (m_platform.writeFile(
            joinPath(installFolder(), kUninstallDataFileName), formatUninstallData(data)))
        return true;
    item(kUninstallDataFileName, tr(kNotWritten));
    return false;
}

QString InstallationRun::installFolder() const
{
    return fileFolder(m_state.installPath);
}

FinishButton InstallationRun::fail(const QString &message)
{
    // Behind the message the button already reads "Fermer", so the log window never offers to
    // go on after a failed run; it can only be pressed once the message is gone.
    FinishButton finish { kFinishCloseCaption, false };
    showFinish(finish);
    m_questions.showError(message, tr(kErrorTitle));
    finish.enabled = true;
    showFinish(finish);
    return finish;
}

void InstallationRun::showFinish(const FinishButton &finish)
{
    if (m_finishChanged)
        m_finishChanged(finish);
}

void InstallationRun::header(const QString &text)
{
    m_log.append(kCrLf + kCrLf + text);
}

void InstallationRun::item(const QString &name, const QString &outcome)
{
    m_log.append(kCrLf + QStringLiteral("  - ") + name + outcome);
}

} // namespace qm::install
