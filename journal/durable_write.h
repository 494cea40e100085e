#pragma once

#include <QByteArray>
#include <QString>

class QFile;

namespace qm {

// Flushes the file's buffers and waits until the system has the data on disk.
bool syncToDisk(QFile &file);

// Replaces the file whole and atomically: a crash or a full disk leaves the old file in place.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace qm
