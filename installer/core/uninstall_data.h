#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qm::install {

inline const QString kUninstallDataFileName = QStringLiteral("uninstall.dat");

struct UninstallData
{
    QString productName;
    QString installPath;
    QString desktopFolder;
    QString programsFolder;
    QString startupFolder;

    bool operator==(const UninstallData &) const = default;
};

// Five lines ended by CR LF, values as they are, in the system's 8-bit encoding.
QByteArray formatUninstallData(const UninstallData &data);

// Lines end at CR LF only, as written. Missing lines read as empty values; nothing when the file
// cannot be read or is not ours.
std::optional<UninstallData> readUninstallData(const QString &path);

} // namespace qm::install
