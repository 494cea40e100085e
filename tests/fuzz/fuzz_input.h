#pragma once

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace qm::fuzz {

// The fuzzer's bytes as an open device, without copying them.
class InputDevice
{
public:
    InputDevice(const std::uint8_t *data, std::size_t size)
        : m_bytes(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)))
        , m_buffer(&m_bytes)
    {
        m_buffer.open(QIODevice::ReadOnly);
    }

    QIODevice &device() { return m_buffer; }

private:
    QByteArray m_bytes;
    QBuffer m_buffer;
};

// A broken property is a finding, just like a crash.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace qm::fuzz
