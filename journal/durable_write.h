#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace qm {

// Flushes the file's buffers and waits until the system has the data on disk.
bool syncToDisk(QFile &file);

// Replaces the file whole and atomically: a crash or a full disk leaves the old file in place.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

// Waits until the folder holding `path` has its entries on disk: a file created, renamed or
// deleted there survives a power cut only then.
bool syncFolderOf(const QString &path);

// Deletes the file and waits until the deletion is on disk; true when the file is gone.
bool removeFileDurably(const QString &path);

// Appends the bytes to the file (created when missing) and waits until they are on disk.
bool appendDurably(const QString &path, const QByteArray &bytes);

// Cuts the file back to `size` bytes, or deletes it when `size` is negative (the file did not
// exist before), and waits until that is on disk.
bool truncateDurably(const QString &path, qint64 size);

} // namespace qm
