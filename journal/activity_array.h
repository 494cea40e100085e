#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace qm {

// A list of activity names with room for 301 entries, as the settings file holds them.
class ActivityArray
{
public:
    static constexpr int kCapacity = 301;

    std::int16_t count() const { return m_count; }
    bool isFull() const { return m_count >= kCapacity; }
    const QString &at(int index) const { return m_slots[size_t(index)]; }
    QStringList toList() const;

    // False (and nothing changes) when the list is full.
    bool append(const QString &name);
    // Removes the entry and closes the gap; returns it.
    QString takeAt(int index);
    void swap(int a, int b);
    void clear();

    friend bool operator==(const ActivityArray &a, const ActivityArray &b)
    {
        return a.toList() == b.toList();
    }

private:
    std::array<QString, kCapacity> m_slots;
    std::int16_t m_count = 0;
};

} // namespace qm
