#include "journal/activity_array.h"

#include <utility>

namespace qm {

QStringList ActivityArray::toList() const
{
    QStringList list;
    list.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        list.append(m_slots[size_t(i)]);
    return list;
}

bool ActivityArray::append(const QString &name)
{
    if (isFull())
        return false;
    m_slots[size_t(m_count++)] = name;
    return true;
}

QString ActivityArray::takeAt(int index)
{
    QString taken = std::move(m_slots[size_t(index)]);
    for (int i = index; i + 1 < m_count; ++i)
        m_slots[size_t(i)] = std::move(m_slots[size_t(i + 1)]);
    m_slots[size_t(--m_count)].clear();
    return taken;
}

void ActivityArray::swap(int a, int b)
{
    std::swap(m_slots[size_t(a)], m_slots[size_t(b)]);
}

void ActivityArray::clear()
{
    for (int i = 0; i < m_count; ++i)
        m_slots[size_t(i)].clear();
    m_count = 0;
}

} // namespace qm
