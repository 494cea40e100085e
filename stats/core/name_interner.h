#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

namespace qm::stats {

// Gives every distinct byte string a number, in order of first appearance, without building a
// string per lookup: the journal repeats a few hundred names over millions of lines.
class NameInterner
{
public:
    NameInterner();

    std::int32_t intern(QByteArrayView name);

    std::int32_t count() const { return std::int32_t(m_offsets.size()) - 1; }
    QByteArrayView name(std::int32_t id) const;

private:
    void grow();

    std::uint64_t m_key[2];
    QByteArray m_pool;
    std::vector<qsizetype> m_offsets; // name id spans m_offsets[id] .. m_offsets[id + 1]
    std::vector<std::uint32_t> m_hashes;
    std::vector<std::int32_t> m_slots; // open addressing, -1 when free
};

} // namespace qm::stats
