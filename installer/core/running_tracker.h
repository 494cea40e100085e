#pragma once

#include <QString>

#include <functional>

namespace qm::install {

class Questions;

// The name of the lock a running Quillmere holds in its folder.
QString trackerLockPath(const QString &installFolder);

// A running Quillmere writes its day file and journal in its folder: nothing of it is replaced
// or removed from under it. Asks the user to quit it, as long as it runs and they want to try
// again; true once it is gone (or was never there).
bool waitUntilTrackerQuits(
    const std::function<bool()> &isRunning, Questions &questions, const QString &title);

} // namespace qm::install
