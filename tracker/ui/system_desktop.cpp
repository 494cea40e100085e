#include "tracker/ui/system_desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <optional>

namespace qm {

namespace {

// The desktop's services start xdg-open without waiting for it, and take a missing browser or
// reader for an opened document: the opener is started here, and its exit status read. Nothing
// when there is no xdg-open to start.
std::optional<bool> startOpener(const QString &target, const std::function<void()> &failedLater)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return std::nullopt;
    // Without a parent: the program never waits for the opener, which may be the browser
    // itself; should the program end first, the opener goes on.
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({ target });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
        [process, failedLater](int exitCode, QProcess::ExitStatus status) {
            process->deleteLater();
            if ((status != QProcess::NormalExit || exitCode != 0) && failedLater)
                failedLater();
        });
    process->start();
    if (process->waitForStarted())
        return true;
    delete process;
    return false;
}

} // namespace

bool SystemDesktop::openFile(const QString &path, std::function<void()> failedLater)
{
    // A missing file would be reported as opened.
    if (!QFileInfo(path).isFile())
        return false;
    if (const auto started = startOpener(path, failedLater))
        return *started;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::openUrl(const QString &address, std::function<void()> failedLater)
{
    if (const auto started = startOpener(address, failedLater))
        return *started;
    return QDesktopServices::openUrl(QUrl(address));
}

bool SystemDesktop::startProgram(const QString &path)
{
    const QFileInfo program(path);
    if (!program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), {}, program.absolutePath());
}

} // namespace qm
