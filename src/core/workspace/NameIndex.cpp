#include "core/workspace/NameIndex.h"

#include <functional>

std::size_t CNameIndex::SlotOf(std::string_view name) const {
    return std::hash<std::string_view>{}(name) & (m_slots.size() - 1);
}

void CNameIndex::Insert(const std::vector<std::string>& names, std::uint32_t at) const {
    const std::string_view name = names[at];
    for (std::size_t slot = SlotOf(name);; slot = (slot + 1) & (m_slots.size() - 1)) {
        const std::uint32_t entry = m_slots[slot];
        if (entry == 0) {
            m_slots[slot] = at + 1;
            ++m_count;
            return;
        }
        if (names[entry - 1] == name)
            return;  // an earlier entry holds the name
    }
}

void CNameIndex::Rebuild(const std::vector<std::string>& names) const {
    std::size_t size = 16;
    while (size < 2 * names.size())
        size *= 2;
    m_slots.assign(size, 0);
    m_count = 0;
    for (std::size_t i = 0; i < names.size(); ++i)
        Insert(names, static_cast<std::uint32_t>(i));
    m_valid = true;
}

void CNameIndex::Appended(const std::vector<std::string>& names) {
    if (!m_valid || names.empty())
        return;
    if (2 * (m_count + 1) > m_slots.size()) {
        Rebuild(names);
        return;
    }
    Insert(names, static_cast<std::uint32_t>(names.size() - 1));
}

int CNameIndex::Find(const std::vector<std::string>& names, std::string_view name) const {
    if (!m_valid)
        Rebuild(names);
    for (std::size_t slot = SlotOf(name);; slot = (slot + 1) & (m_slots.size() - 1)) {
        const std::uint32_t entry = m_slots[slot];
        if (entry == 0)
            return -1;
        if (entry <= names.size() && names[entry - 1] == name)
            return static_cast<int>(entry - 1);
    }
}
