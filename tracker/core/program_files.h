#pragma once

#include "tracker/core/app_state.h"

#include <QString>

namespace qm {

// The files of the program folder, named once when the program starts.
struct ProgramFiles
{
    // Made by the Tracker, which names the statistics program.
    explicit ProgramFiles(const QString &programFolder);

    QString journalPath;
    QString settingsPath;
    QString dayFilePath;
    QString closingFilePath;
    QString helpFilePath;
    QString statsProgramPath;
    // The copies the journal window keeps of the journal before each rewrite.
    QString backupFolderPath;
};

} // namespace qm
