#include "stats/core/name_interner.h"

#include <cstring>

namespace qm::stats {

namespace {

std::uint32_t hashOf(QByteArrayView bytes)
{
    std::uint32_t h = 2166136261u;
    for (char c : bytes) {
        h ^= std::uint8_t(c);
        h *= 16777619u;
    }
    return h;
}

} // namespace

NameInterner::NameInterner()
    : m_offsets { 0 }
    , m_slots(1024, -1)
{ }

QByteArrayView NameInterner::name(std::int32_t id) const
{
    return QByteArrayView(m_pool.constData() + m_offsets[id], m_offsets[id + 1] - m_offsets[id]);
}

std::int32_t NameInterner::intern(QByteArrayView bytes)
{
    const std::uint32_t h = hashOf(bytes);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
        const std::int32_t id = m_slots[i];
        if (id < 0) {
            const std::int32_t newId = count();
            m_pool.append(bytes.data(), bytes.size());
            m_offsets.push_back(m_pool.size());
            m_hashes.push_back(h);
            m_slots[i] = newId;
            if (std::size_t(count()) * 2 > m_slots.size())
                grow();
            return newId;
        }
        if (m_hashes[id] == h && name(id) == bytes)
            return id;
    }
}

void NameInterner::grow()
{
    std::vector<std::int32_t> table(m_slots.size() * 2, -1);
    const std::size_t mask = table.size() - 1;
    for (std::int32_t id = 0; id < count(); ++id) {
        std::size_t i = m_hashes[id] & mask;
        while (table[i] >= 0)
            i = (i + 1) & mask;
        table[i] = id;
    }
    m_slots.swap(table);
}

} // namespace qm::stats
