#include "tracker/ui/system_desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace qm {

void SystemDesktop::openFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemDesktop::openUrl(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

bool SystemDesktop::startProgram(const QString &path)
{
    const QFileInfo program(path);
    if (!program.isFile() || !program.isExecutable())
        return false;
    return QProcess::startDetached(program.absoluteFilePath(), {}, program.absolutePath());
}

} // namespace qm
