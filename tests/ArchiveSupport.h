// Writing and reading archives through real files in a temporary folder.
#pragma once

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>

#include "TestSupport.h"
#include "core/framework/File.h"
#include "core/workspace/Archive.h"

// Bytes built from little-endian values, for expected file contents.
class Bytes {
public:
    Bytes& u8(unsigned v) {
        m_s += static_cast<char>(v);
        return *this;
    }
    Bytes& u16(unsigned v) { return u8(v & 0xFF).u8((v >> 8) & 0xFF); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& i32(std::int32_t v) { return u32(static_cast<std::uint32_t>(v)); }
    Bytes& f32(float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        return u32(u);
    }
    Bytes& raw(const std::string& s) {
        m_s += s;
        return *this;
    }
    // A short archive string: one length byte, then the bytes.
    Bytes& str(const std::string& s) { return u8(static_cast<unsigned>(s.size())).raw(s); }
    operator const std::string&() const { return m_s; }
    const std::string& s() const { return m_s; }

private:
    std::string m_s;
};

// Runs `write` on a storing archive over a new file and returns the file.
inline std::string StoreToBytes(const std::function<void(CArchive&)>& write) {
    TempDir dir;
    const std::string path = (dir / "out.bin").string();
    CFile file;
    if (!file.Open(path, CFile::modeWrite | CFile::modeCreate))
        throw std::runtime_error("cannot create " + path);
    CArchive ar(&file, CArchive::store);
    write(ar);
    ar.Close();
    file.Close();
    return ReadFileBytes(path);
}

// Writes `bytes` to a file named `name` and runs `read` on a loading archive
// over it.
inline void LoadFromBytes(const std::string& bytes, const std::function<void(CArchive&)>& read,
                          const std::string& name = "in.bin") {
    TempDir dir;
    const std::string path = (dir / name).string();
    WriteFileBytes(path, bytes);
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        throw std::runtime_error("cannot open " + path);
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// The archive error raised while reading `bytes` with `read`, or none.
inline CArchiveException::Cause LoadError(const std::string& bytes,
                                          const std::function<void(CArchive&)>& read) {
    try {
        LoadFromBytes(bytes, read);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}
