#include "journal/line_reader.h"

#include <QIODevice>

#include <cstring>

namespace qm {

LineReader::LineReader(QIODevice &device, qsizetype blockSize)
    : m_device(device)
    , m_blockSize(blockSize)
{ }

bool LineReader::fill()
{
    if (m_atEnd)
        return false;
    // Keep the unread tail, then append one more block after it.
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + m_blockSize);
    const qint64 got = m_device.read(m_buffer.data() + old, m_blockSize);
    if (got <= 0) {
        m_buffer.resize(old);
        m_atEnd = true;
        m_failed = got < 0;
        return false;
    }
    m_buffer.resize(old + got);
    return true;
}

void LineReader::skipByteOrderMark()
{
    m_atStart = false;
    static constexpr QByteArrayView kMark("\xEF\xBB\xBF");
    // Files that went through several careless editors can carry more than one mark; all of them
    // go, so that what the program writes back reads the same.
    for (;;) {
        while (m_buffer.size() - m_pos < kMark.size() && fill()) { }
        if (!QByteArrayView(m_buffer).sliced(m_pos).startsWith(kMark))
            return;
        m_pos += kMark.size();
    }
}

bool LineReader::next(QByteArrayView &line)
{
    if (m_atStart)
        skipByteOrderMark();
    qsizetype searchFrom = m_pos;
    for (;;) {
        const char *begin = m_buffer.constData() + searchFrom;
        const auto *nl = static_cast<const char *>(
            std::memchr(begin, '\n', size_t(m_buffer.size() - searchFrom)));
        if (nl) {
            const qsizetype end = nl - m_buffer.constData();
            qsizetype len = end - m_pos;
            if (len > 0 && m_buffer.at(end - 1) == '\r')
                --len;
            line = QByteArrayView(m_buffer.constData() + m_pos, len);
            m_pos = end + 1;
            return true;
        }
        const qsizetype scanned = m_buffer.size() - m_pos;
        if (!fill()) {
            if (m_failed || m_pos >= m_buffer.size())
                return false;
            // Last line without an end.
            qsizetype len = m_buffer.size() - m_pos;
            if (m_buffer.at(m_buffer.size() - 1) == '\r')
                --len;
            line = QByteArrayView(m_buffer.constData() + m_pos, len);
            m_pos = m_buffer.size();
            return true;
        }
        searchFrom = m_pos + scanned;
    }
}

} // namespace qm
