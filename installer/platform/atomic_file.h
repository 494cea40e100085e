#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

namespace qm::install {

// What the written file carries besides its bytes; an invalid date leaves the time of writing.
struct FileStamp
{
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QDateTime modified;
};

// The one way the installer writes a file. The bytes go to a new file beside the target, are
// checked written and flushed to the disk, then that file is renamed over the target: a full
// disk or an I/O error leaves the target as it was, and a link planted at the target is
// replaced, never written through. False, with the target untouched, on any failure.
bool writeFileAtomically(
    const QString &path, const QByteArray &bytes, const FileStamp &stamp = FileStamp());

} // namespace qm::install
