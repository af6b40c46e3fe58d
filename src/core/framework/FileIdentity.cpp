#include "core/framework/FileIdentity.h"

#include <cstdint>

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

FileIdentity ReadFileIdentity(const std::string& path) {
    FileIdentity identity;
    if (!GetFileStamp(path, identity.stamp))
        return identity;
    // Hashed as it is read: a large file takes no memory, and a pipe that
    // took the file's place is not waited on.
    CFile file;
    if (!file.OpenToRead(path, UINT64_MAX))
        return identity;
    std::uint64_t hash = kFnvOffset;
    try {
        char buffer[65536];
        std::size_t n;
        while ((n = file.Read(buffer, sizeof buffer)) > 0)
            hash = Fnv1a(std::string_view(buffer, n), hash);
    } catch (const CFileException&) {
        return identity;
    }
    identity.exists = true;
    identity.hash = hash;
    return identity;
}

bool FileChangedSince(const std::string& path, const FileIdentity& known) {
    FileStamp stamp;
    const bool exists = GetFileStamp(path, stamp);
    if (exists != known.exists)
        return true;
    if (!exists || stamp == known.stamp)
        return false;
    const FileIdentity now = ReadFileIdentity(path);
    return now.exists != known.exists || now.stamp.size != known.stamp.size || now.hash != known.hash;
}
