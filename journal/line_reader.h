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

    // False at the end of the device, and from a read error on: what was read before the error
    // is no reason to take the device for shorter than it is, so the unfinished line that the
    // error cut is not returned either.
    bool next(QByteArrayView &line);
    // Whether reading stopped on an error rather than at the end of the device.
    bool failed() const { return m_failed; }

private:
    bool fill();
    void skipByteOrderMark();

    QIODevice &m_device;
    qsizetype m_blockSize;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
    bool m_failed = false;
    bool m_atStart = true;
};

} // namespace qm
