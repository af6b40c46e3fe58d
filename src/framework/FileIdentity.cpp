#include "framework/FileIdentity.h"

std::uint64_t Fnv1a(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

FileIdentity ReadFileIdentity(const std::string& path) {
    FileIdentity identity;
    if (!GetFileStamp(path, identity.stamp)) return identity;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return identity;
    identity.exists = true;
    identity.hash = Fnv1a(bytes);
    return identity;
}

bool FileChangedSince(const std::string& path, const FileIdentity& known) {
    FileStamp stamp;
    const bool exists = GetFileStamp(path, stamp);
    if (exists != known.exists) return true;
    if (!exists || stamp == known.stamp) return false;
    const FileIdentity now = ReadFileIdentity(path);
    return now.exists != known.exists || now.stamp.size != known.stamp.size || now.hash != known.hash;
}
