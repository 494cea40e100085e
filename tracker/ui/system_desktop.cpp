#include "tracker/ui/system_desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace qm {

bool SystemDesktop::openFile(const QString &path)
{
    // The desktop's opener is started without waiting for it, and would report a missing file
    // as opened.
    if (!QFileInfo(path).isFile())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::openUrl(const QString &address, std::function<void()> failedLater)
{
    // The desktop's services start xdg-open without waiting for it, and take a missing browser
    // for an opened page: the opener is started here, and its exit status read.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(QUrl(address));
    // Without a parent: the program never waits for the opener, which may be the browser
    // itself; should the program end first, the opener goes on.
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({ address });
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

bool SystemDesktop::startProgram(const QString &path)
{
    const QFileInfo program(path);
    if (!program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), {}, program.absolutePath());
}

} // namespace qm
