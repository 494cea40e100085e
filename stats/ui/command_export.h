#pragma once

#include <QString>

namespace qm {
class Clock;
}

namespace qm::stats {

class Statistics;
struct ExportRequest;

// How an export from the command line ended, as the process's exit code.
enum class ExportOutcome { Written = 0, Refused = 1, NotWritten = 3 };

// Writes the export that the window's Exporter would write for the same report, without showing
// a window, through the same checked replace. `message` says what went wrong, in the language
// of the windows.
ExportOutcome runExport(
    const Statistics &stats, const ExportRequest &request, const Clock &clock, QString *message);

// QMStat's command line: the export options, --help and --version. The exit code: 64 for an
// unknown option or a missing --export, with the usage on stderr.
int runCommandLine(const QStringList &arguments, const QString &programFolder, const Clock &clock);

} // namespace qm::stats
