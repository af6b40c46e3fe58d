// What the program remembers of a file it read or wrote, to tell later
// whether another program has replaced or changed it since.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/framework/File.h"

// 64-bit FNV-1a of `bytes`, continuing from `hash`.
inline constexpr std::uint64_t kFnvOffset = 1469598103934665603ULL;
std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash = kFnvOffset);

struct FileIdentity {
    bool exists = false;     // a regular file was there
    FileStamp stamp;         // device, file number, size, modification time
    std::uint64_t hash = 0;  // of the contents
};

// The identity of the file at `path` now.
FileIdentity ReadFileIdentity(const std::string& path);

// Whether the file at `path` is no longer what `known` describes.  The same
// stamp counts as unchanged without reading the file; another stamp (a
// rewrite, a touch) counts as a change only when the contents differ.
bool FileChangedSince(const std::string& path, const FileIdentity& known);

// A digest of a record's fields: strings by their bytes and length, numbers
// by their bytes.
template <class... Fields>
std::uint64_t DigestFields(const Fields&... fields) {
    std::uint64_t hash = kFnvOffset;
    auto add = [&hash](const auto& field) {
        using F = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<F, std::string>) {
            const std::uint64_t size = field.size();
            hash = Fnv1a(std::string_view(reinterpret_cast<const char*>(&size), sizeof size), hash);
            hash = Fnv1a(field, hash);
        } else {
            static_assert(std::is_arithmetic_v<F>);
            hash = Fnv1a(std::string_view(reinterpret_cast<const char*>(&field), sizeof field), hash);
        }
    };
    (add(fields), ...);
    return hash;
}
