#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace qm {

// Executables carry the platform's suffix; every other file name is the same everywhere.
#ifdef Q_OS_WIN
inline constexpr QStringView kExeSuffix = u".exe";
#else
inline constexpr QStringView kExeSuffix = u"";
#endif

inline constexpr QStringView kJournalFileName = u"Quillmere.log";
inline constexpr QStringView kSettingsFileName = u"Quillmere.ini";
inline constexpr QStringView kDayFileName = u"Quillmere.day";
// Present only while a close of the day is under way, or was cut short.
inline constexpr QStringView kClosingFileName = u"Quillmere.closing";
inline constexpr QStringView kHelpFileName = u"Quillmere.pdf";

inline QString programFile(const QString &folder, QStringView name)
{
    return QDir(folder).filePath(name.toString());
}

// How a program file turned out when opened for reading. A file that exists but cannot be read
// is not missing: taking it for missing would lead to writing over it.
enum class FileRead { Missing, Read, Unreadable };

// Only a file the system says is not there is missing: any other failure to open it, an I/O
// error included, makes it unreadable (journal/file_reading.cpp).
FileRead openForReading(QFile &file);

inline QString executableName(QStringView baseName)
{
    return baseName.toString() + kExeSuffix.toString();
}

} // namespace qm
