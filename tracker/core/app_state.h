#pragma once

#include <QCoreApplication>
#include <QString>

namespace qm {

inline constexpr QStringView kStartActivity = u"start";
// The build gives the version, from the project's own.
inline constexpr QStringView kVersionText = u"v " QM_VERSION;

inline QString errorTitle()
{
    return QCoreApplication::translate("qm::Tracker", "Quillmere - Erreur");
}

} // namespace qm
