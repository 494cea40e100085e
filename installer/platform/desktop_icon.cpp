#include "installer/platform/desktop_icon.h"

#include "installer/core/install_paths.h"
#include "installer/core/install_values.h"
#include "installer/core/program_picture.h"
#include "storage/durable_write.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace qm::install {

namespace {

bool isProgramOf(const QFileInfo &file, const QString &folder)
{
    return file.isFile() && file.isExecutable() && isSameFolder(file.absolutePath(), folder);
}

// Every shortcut of the installation writes the same picture: it is only rewritten when it
// differs, so that a second installation leaves an unchanged picture alone.
bool writePicture(const QString &path)
{
    QFile picture(programPicturePath());
    if (!picture.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = picture.readAll();
    // A link there is replaced whatever it points to.
    QFile current(path);
    if (!QFileInfo(path).isSymLink() && current.open(QIODevice::ReadOnly)
        && current.readAll() == bytes)
        return true;
    return writeFileAtomically(path, bytes, FileStamp());
}

} // namespace

QString iconLocationFile(const QString &iconLocation)
{
    const qsizetype comma = iconLocation.lastIndexOf(QStringLiteral(", "));
    return comma < 0 ? iconLocation : iconLocation.left(comma);
}

std::optional<QString> placeDesktopIcon(const Shortcut &shortcut)
{
    const QFileInfo file(iconLocationFile(shortcut.iconLocation));
    if (isProgramOf(file, shortcut.workingDirectory)) {
        const QString picture = joinPath(shortcut.workingDirectory, iconImageName());
        if (!writePicture(picture))
            return std::nullopt;
        return picture;
    }
    return QMimeDatabase().mimeTypeForFile(file).iconName();
}

} // namespace qm::install
