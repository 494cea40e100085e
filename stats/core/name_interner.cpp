#include "stats/core/name_interner.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <cstring>

namespace qm::stats {

namespace {

std::uint64_t rotl(std::uint64_t x, int b)
{
    return (x << b) | (x >> (64 - b));
}

// SipHash-1-3 of the bytes under a 128-bit key: short names cost a handful of rounds, and
// without the key nobody can choose names that meet in the table.
class SipHash
{
public:
    SipHash(std::uint64_t k0, std::uint64_t k1)
        : m_v { k0 ^ 0x736f6d6570736575ull, k1 ^ 0x646f72616e646f6dull, k0 ^ 0x6c7967656e657261ull,
            k1 ^ 0x7465646279746573ull }
    { }

    std::uint64_t hash(QByteArrayView bytes)
    {
        const char *p = bytes.data();
        qsizetype left = bytes.size();
        for (; left >= 8; left -= 8, p += 8)
            compress(qFromLittleEndian<std::uint64_t>(p));
        unsigned char tail[8] = {};
        if (left > 0)
            std::memcpy(tail, p, size_t(left));
        tail[7] = static_cast<unsigned char>(bytes.size());
        compress(qFromLittleEndian<std::uint64_t>(tail));
        m_v[2] ^= 0xff;
        round();
        round();
        round();
        return m_v[0] ^ m_v[1] ^ m_v[2] ^ m_v[3];
    }

private:
    void compress(std::uint64_t m)
    {
        m_v[3] ^= m;
        round();
        m_v[0] ^= m;
    }
    void round()
    {
        m_v[0] += m_v[1];
        m_v[1] = rotl(m_v[1], 13) ^ m_v[0];
        m_v[0] = rotl(m_v[0], 32);
        m_v[2] += m_v[3];
        m_v[3] = rotl(m_v[3], 16) ^ m_v[2];
        m_v[0] += m_v[3];
        m_v[3] = rotl(m_v[3], 21) ^ m_v[0];
        m_v[2] += m_v[1];
        m_v[1] = rotl(m_v[1], 17) ^ m_v[2];
        m_v[2] = rotl(m_v[2], 32);
    }

    std::uint64_t m_v[4];
};

} // namespace

NameInterner::NameInterner()
    : m_offsets { 0 }
    , m_slots(1024, -1)
{
    // A fixed hash would let a journal of names chosen to collide pile them all on one probe
    // sequence, and loading would take quadratic time: the key is drawn anew for every table.
    QRandomGenerator::system()->generate(std::begin(m_key), std::end(m_key));
}

QByteArrayView NameInterner::name(std::int32_t id) const
{
    return QByteArrayView(m_pool.constData() + m_offsets[id], m_offsets[id + 1] - m_offsets[id]);
}

std::int32_t NameInterner::intern(QByteArrayView bytes)
{
    const auto h = std::uint32_t(SipHash(m_key[0], m_key[1]).hash(bytes));
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
