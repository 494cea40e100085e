#pragma once

#include "journal/activity_array.h"
#include "journal/file_names.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

class QIODevice;

namespace qm {

// The fixed first entries of the change dialog's two lists; they are never written to the file.
inline constexpr QStringView kPauseChoice = u"pause (activité pré-définie)";
inline constexpr QStringView kNoCommentChoice = u"(Aucun commentaire)";
inline constexpr QStringView kPauseActivity = u"pause";

inline constexpr int kMessageCount = 10;

// How long the desktop may go without input before its return is offered as a pause; 0 turns
// the offer off. The default is not written, so that the file of a user who never changed it
// stays as it always was.
inline constexpr int kDefaultAbsenceMinutes = 15;
inline constexpr int kMaxAbsenceMinutes = 240;
// How long one activity may run before the user is asked whether it still does; 0, the default,
// turns the reminder off and writes no line.
inline constexpr int kMaxReminderMinutes = 480;
inline constexpr int kProposedReminderMinutes = 120;

// What the settings file holds, in memory.
struct SettingsModel
{
    QString userName = QStringLiteral("-");
    std::array<bool, kMessageCount> messageEnabled
        = { true, true, true, true, true, true, true, true, true, true };
    ActivityArray currentActivities;
    ActivityArray retiredActivities;
    // The change dialog's lists: the activities on offer ("pause" entry first) and the comment
    // types ("no comment" entry first). The comment list is the only store of comment types.
    QStringList activityChoices;
    QStringList commentChoices;
    int absenceMinutes = kDefaultAbsenceMinutes;
    int reminderMinutes = 0;
};

// Reads the file into the model. Both activity counts are reset when the file is missing; then
// nothing else changes. A file that exists but cannot be read, or whose reading fails before
// its end, changes nothing at all. Lines with unknown names, without "=", with a message number
// outside 0..9 or without its third field, beyond a full list, with an absence that is no
// whole number of minutes from 0 to 240, or a reminder that is none from 0 to 480 are ignored.
FileRead loadSettings(const QString &path, SettingsModel &model);

// The reading of LoadSettings from an open device that holds the file's bytes; false, and the
// model unchanged, when a read error stopped it.
bool readSettings(QIODevice &device, SettingsModel &model);

// The bytes SaveSettings writes.
QByteArray formatSettings(const SettingsModel &model);

// Rewrites the file whole and atomically; false when it could not be written.
bool saveSettings(const QString &path, const SettingsModel &model);

// The user name of the file: the last "User" line, or "-" when there is none or no file.
QString readSettingsUserName(const QString &path);

} // namespace qm
