#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFileDevice>
#include <QString>

// How the programs put their files on disk (POSIX calls: the programs are built for Linux
// desktops). Every failure is logged with its reason under the program's category
// (storage/program_log.h).

namespace qm {

// Flushes the file's buffers and waits until the system has the data on disk.
bool syncToDisk(QFileDevice &file);

// Replaces the user's file whole and atomically: a crash, a full disk or a disk that fails to
// keep the data leaves the old file in place. A link at `path` is followed to the file it names,
// whose permissions the new bytes keep; a file that the user may not write is refused. True once
// the new file and its folder are on disk; on a failure `why`, when given, receives the system's
// reason.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *why = nullptr);

// What a file of the program's own carries besides its bytes; an invalid date leaves the time of
// writing.
struct FileStamp
{
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QDateTime modified;
};

// The same for a file of the program's own: a new file with `stamp` takes the place of whatever
// is at `path`, a link or a read-only file included, and nothing is written through a link. Once
// renamed into place the new file no longer puts anything at risk, so that a failed sync of its
// folder is logged but does not count as the write's.
bool writeFileAtomically(
    const QString &path, const QByteArray &bytes, const FileStamp &stamp, QString *why = nullptr);

// The system call behind syncToDisk and the atomic writes (fsync): 0 when the data is on disk.
// Tests put a failing one in its place, since no real disk can be made to fail on demand; the
// previous call is returned so that they can put it back.
using SyncCall = int (*)(int handle);
SyncCall replaceSyncCall(SyncCall call);

// Waits until the folder holding `path` has its entries on disk: a file created, renamed or
// deleted there survives a power cut only then.
bool syncFolderOf(const QString &path);

// Deletes the file and waits until the deletion is on disk; true when the file is gone (or was
// already). An error of the system, even one on a file that may not be there, is false.
bool removeFileDurably(const QString &path);

// Deletes what a replacement of `path` cut short by a crash leaves beside it: plain files named
// `<name>.XXXXXX`, six letters or digits, as writeFileAtomically's temporary files are. Nothing
// else is touched, whatever its name.
void removeReplacementLeftovers(const QString &path);

// Appends the bytes to the file (created when missing) and waits until they are on disk.
bool appendDurably(const QString &path, const QByteArray &bytes);

// Cuts the file back to `size` bytes, or deletes it when `size` is negative (the file did not
// exist before), and waits until that is on disk.
bool truncateDurably(const QString &path, qint64 size);

} // namespace qm
