#pragma once

#include "journal/file_names.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qm {

// Reads the whole file into `bytes`. A read that ends before the size the system gives for the
// file, or on an error, makes it unreadable: the bytes got before are not the file.
FileRead readWholeFile(const QString &path, QByteArray &bytes);

// Whether a reading of the file went to its end: a read that returned nothing before the size the
// system gives for the file stopped short of it.
bool readToItsEnd(const QFile &file);

// The file's size, -1 when the system says it is not there, nothing when it cannot tell (an I/O
// error or a folder that cannot be searched is never taken for "not there").
std::optional<qint64> sizeOrAbsent(const QString &path);

} // namespace qm
