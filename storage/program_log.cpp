#include "storage/program_log.h"

#include <memory>

namespace qm {

namespace {

std::unique_ptr<QLoggingCategory> &category()
{
    static std::unique_ptr<QLoggingCategory> named;
    return named;
}

} // namespace

const QLoggingCategory &programLog()
{
    if (!category())
        nameProgramLog("qm");
    return *category();
}

void nameProgramLog(const char *name)
{
    // The windows tell the user what failed; the log is for whoever asks for it, so that a
    // failure the program goes on from fills no one's terminal.
    category() = std::make_unique<QLoggingCategory>(name, QtCriticalMsg);
}

} // namespace qm
