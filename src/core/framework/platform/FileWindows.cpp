// CFile and the file helpers on Windows: C runtime descriptors opened with
// wide-character paths, always in binary mode so that no line end changes.
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <climits>

#include "core/framework/File.h"
#include "core/framework/platform/WindowsText.h"

const char* const kTextLineEnd = "\r\n";

bool CFile::Open(const std::string& path, unsigned flags, int* osError) {
    Abort();
    int oflags = _O_BINARY | _O_NOINHERIT;
    if (flags & modeWrite) {
        oflags |= _O_WRONLY;
        if (flags & modeCreate)
            oflags |= _O_CREAT | ((flags & modeNoTruncate) ? 0 : _O_TRUNC);
    } else {
        oflags |= _O_RDONLY;
    }
    // Others may read and write the file meanwhile, as on POSIX systems.
    const int fd = ::_wsopen(win::Wide(path).c_str(), oflags, _SH_DENYNO, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        if (osError)
            *osError = errno;
        return false;
    }
    m_fd = fd;
    m_strFileName = path;
    return true;
}

bool CFile::OpenToRead(const std::string& path, std::uint64_t limit, int* osError) {
    Abort();
    // The device namespace (\\.\pipe\..., \\.\COM1) holds no regular file; a
    // pipe there would be connected to by opening it.
    const bool device = path.size() >= 4 && (path[0] == '\\' || path[0] == '/') &&
                        (path[1] == '\\' || path[1] == '/') && path[2] == '.' &&
                        (path[3] == '\\' || path[3] == '/');
    int error = device ? kErrorNotRegularFile : 0;
    if (!error && !Open(path, modeRead, &error)) {
        // A folder does not open at all.
        const DWORD attributes = ::GetFileAttributesW(win::Wide(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            error = EISDIR;
    } else if (!error) {
        // NUL, CON and the like open as characters, not as a file on a disk.
        const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(m_fd));
        const long long length = ::_filelengthi64(m_fd);
        if (::GetFileType(handle) != FILE_TYPE_DISK)
            error = kErrorNotRegularFile;
        else if (length < 0)
            error = errno;
        else if (static_cast<std::uint64_t>(length) > limit)
            error = EFBIG;
        if (error)
            Abort();
    }
    if (error && osError)
        *osError = error;
    return !error;
}

std::uint64_t CFile::GetLength() const {
    const long long length = m_fd < 0 ? -1 : ::_filelengthi64(m_fd);
    if (length < 0)
        throw CFileException(m_strFileName, m_fd < 0 ? EBADF : errno, "Cannot examine");
    return static_cast<std::uint64_t>(length);
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    auto* p = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const auto chunk = static_cast<unsigned>(std::min<std::size_t>(count - done, INT_MAX));
        const int n = ::_read(m_fd, p + done, chunk);
        if (n < 0)
            throw CFileException(m_strFileName, errno, "Cannot read");
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
    const auto* p = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const auto chunk = static_cast<unsigned>(std::min<std::size_t>(count - done, INT_MAX));
        const int n = ::_write(m_fd, p + done, chunk);
        if (n < 0)
            throw CFileException(m_strFileName, errno, "Cannot write");
        if (n == 0)
            throw CFileException(m_strFileName, ENOSPC, "Cannot write");
        done += static_cast<std::size_t>(n);
    }
}

void CFile::Flush() {
    if (m_fd >= 0 && ::_commit(m_fd) != 0)
        throw CFileException(m_strFileName, errno, "Cannot flush");
}

void CFile::Close() {
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::_close(fd) != 0)
        throw CFileException(m_strFileName, errno, "Cannot close");
}

void CFile::Abort() noexcept {
    if (m_fd >= 0)
        ::_close(m_fd);
    m_fd = -1;
}

bool GetFileStamp(const std::string& path, FileStamp& stamp) {
    const HANDLE handle =
        ::CreateFileW(win::Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = ::GetFileInformationByHandle(handle, &info) != 0;
    ::CloseHandle(handle);
    if (!known || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    const auto join = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
    stamp.device = info.dwVolumeSerialNumber;
    stamp.file = join(info.nFileIndexHigh, info.nFileIndexLow);
    stamp.size = join(info.nFileSizeHigh, info.nFileSizeLow);
    stamp.modified = static_cast<std::int64_t>(
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    return true;
}

std::filesystem::path FileSystemPath(const std::string& path) {
    return std::filesystem::path(win::Wide(path));
}

std::string PathText(const std::filesystem::path& path) {
    return win::Utf8(path.c_str());
}
