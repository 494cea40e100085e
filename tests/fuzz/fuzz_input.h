#pragma once

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace qm::fuzz {

// Bytes as an open device; the fuzzer's without copying them.
class InputDevice : public QBuffer
{
public:
    explicit InputDevice(const QByteArray &bytes)
    {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }
    InputDevice(const std::uint8_t *data, std::size_t size)
        : InputDevice(
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)))
    { }
};

// A broken property is a finding, just like a crash.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace qm::fuzz
