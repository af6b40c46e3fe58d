// Where each name of a list of names stands, found in constant time: the
// list stays with its owner, who tells the index of every change (an entry
// added at the end, or any other change, after which the index is built
// again when next asked).  Four bytes a slot, two slots a name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A hash of a name with the case of A to Z ignored (FNV-1a, mixed so that
// the low bits depend on every byte).
inline std::size_t HashNoCaseAZ(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        hash = (hash ^ byte) * 1099511628211ull;
    }
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9ull;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

class CNameIndex {
public:
    // The position of the first entry of `names` exactly equal to `name`, or -1.
    int Find(const std::vector<std::string>& names, std::string_view name) const;
    // `names` has just had one entry added at its end.
    void Appended(const std::vector<std::string>& names);
    // `names` changed in any other way.
    void Invalidate() { m_valid = false; }

private:
    void Rebuild(const std::vector<std::string>& names) const;
    // Adds position `at` unless an earlier entry of the same name is there.
    void Insert(const std::vector<std::string>& names, std::uint32_t at) const;
    std::size_t SlotOf(std::string_view name) const;

    // Position + 1 of each indexed name; 0 for an empty slot.  The number of
    // slots is a power of two, at least twice the number of names.
    mutable std::vector<std::uint32_t> m_slots;
    mutable std::size_t m_count = 0;
    mutable bool m_valid = false;
};
