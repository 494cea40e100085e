#pragma once

#include "journal/settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace qm {

inline constexpr QStringView kStartActivity = u"start";
// The build gives the version, from the project's own.
inline constexpr QStringView kVersionText = u"v " QM_VERSION;

inline QString errorTitle()
{
    return QCoreApplication::translate("qm::Tracker", "Quillmere - Erreur");
}

// The state of the running program, from start-up to the end of the process.
struct AppState
{
    // The current activity's duration while it has not ended.
    static constexpr std::int32_t kRunning = -1;

    bool isRunning() const { return currentDuration == kRunning; }

    QString dayDate;
    QString currentActivity = kStartActivity.toString();
    QString currentComment;
    QDateTime currentStart;
    std::int32_t currentDuration = kRunning;
    QDateTime changeTime;
    std::int16_t dayActivityCount = 0;
    std::int16_t historyRowOffset = 0;
    std::int32_t dayTotalMinutes = 0;
    std::int32_t dayTotalWithoutPauseMinutes = 0;
    bool firstRunPending = false;
    bool newCommentTypePending = false;
    // The main window's Changer button; disabled while a change of day waits for the user.
    bool changeEnabled = true;

    // User name, message switches, activity lists and comment types.
    SettingsModel settings;

    QString journalPath;
    QString settingsPath;
    QString dayFilePath;
    QString closingFilePath;
    QString helpFilePath;
    QString statsProgramPath;
};

} // namespace qm
