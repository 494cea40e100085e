#include "stats/core/selection_order.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace qm::stats {

namespace {

// Leaves hold positions of the working array; each inner node the position of the first
// largest key below it.
class Tournament
{
public:
    explicit Tournament(const std::vector<float> &keys)
        : m_keys(keys)
        , m_leaves(std::bit_ceil(std::max<std::size_t>(keys.size(), 1)))
        , m_tree(2 * m_leaves, -1)
    {
        for (std::size_t i = 0; i < keys.size(); ++i)
            m_tree[m_leaves + i] = std::int32_t(i);
        for (std::size_t node = m_leaves - 1; node >= 1; --node)
            m_tree[node] = better(m_tree[2 * node], m_tree[2 * node + 1]);
    }

    std::int32_t best() const { return m_tree[1]; }

    // Position changed its key, or left the race (key index -1).
    void update(std::size_t position, bool inRace)
    {
        std::size_t node = m_leaves + position;
        m_tree[node] = inRace ? std::int32_t(position) : -1;
        for (node /= 2; node >= 1; node /= 2)
            m_tree[node] = better(m_tree[2 * node], m_tree[2 * node + 1]);
    }

    std::vector<float> &keys() { return m_keys; }

private:
    // Positions are compared by key, the smaller position winning ties, as a left-to-right
    // scan with a strict "greater than" would.
    std::int32_t better(std::int32_t a, std::int32_t b) const
    {
        if (a < 0)
            return b;
        if (b < 0)
            return a;
        const float ka = m_keys[std::size_t(a)];
        const float kb = m_keys[std::size_t(b)];
        if (kb > ka)
            return b;
        if (ka > kb)
            return a;
        return a < b ? a : b;
    }

    std::vector<float> m_keys;
    std::size_t m_leaves;
    std::vector<std::int32_t> m_tree;
};

} // namespace

std::vector<std::int32_t> selectionSortOrder(const std::vector<float> &keys)
{
    const std::size_t n = keys.size();
    std::vector<std::int32_t> origin(n);
    for (std::size_t i = 0; i < n; ++i)
        origin[i] = std::int32_t(i);
    Tournament tournament(keys);
    auto &working = tournament.keys();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const auto m = std::size_t(tournament.best());
        if (m != i) {
            std::swap(working[i], working[m]);
            std::swap(origin[i], origin[m]);
            tournament.update(m, true);
        }
        tournament.update(i, false);
    }
    return origin;
}

} // namespace qm::stats
