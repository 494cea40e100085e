#include "tracker/ui/system_desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
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

bool SystemDesktop::openUrl(const QString &address)
{
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
