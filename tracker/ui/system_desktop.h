#pragma once

#include "tracker/core/desktop.h"

namespace qm {

// The desktop of this system: its file and web handlers, and detached processes.
class SystemDesktop final : public Desktop
{
public:
    bool openFile(const QString &path, std::function<void()> failedLater) override;
    bool openUrl(const QString &address, std::function<void()> failedLater) override;
    bool startProgram(const QString &path) override;
};

} // namespace qm
