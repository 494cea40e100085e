#pragma once

#include "journal/file_names.h"

#include <QCoreApplication>
#include <QString>

namespace qm {

// The build gives the version, from the project's own.
inline constexpr QStringView kVersionText = u"v " QM_VERSION;

inline QString errorTitle()
{
    return QCoreApplication::translate("qm::Tracker", "Quillmere - Erreur");
}

// The files of the program folder, named once when the program starts.
struct ProgramFiles
{
    explicit ProgramFiles(const QString &programFolder)
        : journalPath(programFile(programFolder, kJournalFileName))
        , settingsPath(programFile(programFolder, kSettingsFileName))
        , dayFilePath(programFile(programFolder, kDayFileName))
        , closingFilePath(programFile(programFolder, kClosingFileName))
        , helpFilePath(programFile(programFolder, kHelpFileName))
        , statsProgramPath(programFile(programFolder, executableName(u"QMStat")))
    { }

    QString journalPath;
    QString settingsPath;
    QString dayFilePath;
    QString closingFilePath;
    QString helpFilePath;
    QString statsProgramPath;
};

} // namespace qm
