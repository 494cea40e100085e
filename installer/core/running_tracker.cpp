#include "installer/core/running_tracker.h"

#include "installer/core/install_paths.h"
#include "installer/core/install_values.h"
#include "installer/core/questions.h"

#include <QCoreApplication>

namespace qm::install {

QString trackerLockPath(const QString &installFolder)
{
    return joinPath(installFolder, kProductName + QStringLiteral(".lock"));
}

bool waitUntilTrackerQuits(
    const std::function<bool()> &isRunning, Questions &questions, const QString &title)
{
    while (isRunning()) {
        // "No" is the default: with no one at the keyboard, asking again would never end.
        if (!questions.askYesNo(QCoreApplication::translate("qm::install::RunningTracker",
                                    "Quillmere est en cours d'exécution : quittez-le avant de "
                                    "continuer.\n\nRéessayer ?"),
                title, Answer::No))
            return false;
    }
    return true;
}

} // namespace qm::install
