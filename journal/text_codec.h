#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qm {

// Text as read from the program's files: UTF-8 when the bytes are valid UTF-8, otherwise
// Windows-1252, the code page of files carried over from a Windows machine.
QString decodeText(QByteArrayView bytes);

// Text as written to the program's files: the system's 8-bit encoding.
QByteArray encodeText(QStringView text);

} // namespace qm
