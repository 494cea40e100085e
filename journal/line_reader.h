#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

namespace qm {

// Reads a device line by line without loading it whole. Lines end with LF or CR LF; the ends
// are not part of the line. A UTF-8 byte-order mark at the start of the device, as some editors
// write, is not part of the first line either. The view returned by next() stays valid until the
// next call.
class LineReader
{
public:
    explicit LineReader(QIODevice &device, qsizetype blockSize = 1 << 18);

    // False at the end of the device (or on a read error).
    bool next(QByteArrayView &line);

private:
    bool fill();
    void skipByteOrderMark();

    QIODevice &m_device;
    qsizetype m_blockSize;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
    bool m_atStart = true;
};

} // namespace qm
