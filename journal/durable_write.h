#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace qm {

// Flushes the file's buffers and waits until the system has the data on disk.
bool syncToDisk(QFileDevice &file);

// Replaces the file whole and atomically: a crash, a full disk or a disk that fails to keep the
// data leaves the old file in place.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// The system call behind syncToDisk (fsync, or _commit on Windows): 0 when the data is on disk.
// Tests put a failing one in its place, since no real disk can be made to fail on demand; the
// previous call is returned so that they can put it back.
using SyncCall = int (*)(int handle);
SyncCall replaceSyncCall(SyncCall call);

} // namespace qm
