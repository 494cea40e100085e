#pragma once

#include "installer/uninstaller/uninstall_plan.h"

#include <QDialog>

class QListWidget;

namespace qm::install {

class Questions;
class UninstallPlatform;

// Shows what will be removed and removes it once the user agrees; the user's own files are the
// subject of a second question whose default keeps them.
class UninstallDialog : public QDialog
{
    Q_OBJECT

public:
    UninstallDialog(UninstallPlatform &platform, const UninstallPlan &plan, Questions &questions);

    const UninstallResult &result() const { return m_result; }
    // True when the user gave up while Quillmere was running: nothing was removed.
    bool stoppedByTracker() const { return m_trackerRunning; }
    // What "Désinstaller" does.
    void uninstall();

private:
    UninstallPlatform &m_platform;
    UninstallPlan m_plan;
    Questions &m_questions;
    UninstallResult m_result;
    bool m_trackerRunning = false;
};

} // namespace qm::install
