#pragma once

#include <QLoggingCategory>

namespace qm {

// The running program's one logging category ("qm.tracker", "qm.stats", "qm.install"), which
// each main() names before it writes anything; "qm" until then. Its warnings, a failed write with
// its reason, are quiet unless asked for: QT_LOGGING_RULES="qm.tracker.warning=true".
const QLoggingCategory &programLog();

// `name` is kept, not copied: a string literal.
void nameProgramLog(const char *name);

} // namespace qm
